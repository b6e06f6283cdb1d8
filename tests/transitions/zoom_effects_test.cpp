// The zoom effects run through the engine on a memory target.
#include <gtest/gtest.h>

#include "tests/transitions/test_doubles.h"
#include "transitions/transition_state.h"

namespace lw {
namespace {

class ZoomEffects : public TransitionTest {};

bool Inside(const Rect& r, int32_t w, int32_t h) {
  return r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h;
}

TEST_F(ZoomEffects, ZoomInShowsTheWholeFrameScaledIntoEachDestination) {
  const EffectRun run = RunEffectOnMemory(103, 800, 600, 4);
  const Rect steps[] = {{300, 225, 500, 375}, {200, 150, 600, 450}, {100, 75, 700, 525}, {0, 0, 800, 600}};
  ASSERT_EQ(run.paints.size(), 5u);  // one zoom per frame, then the final paint
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(run.paints[k].dst, steps[k]);
    EXPECT_EQ(run.paints[k].src, steps[k]);
  }
  EXPECT_EQ(run.waits, 3);

  // First frame: the new frame at a quarter of its size in the centre, each
  // pixel taken from the 4 x 4 block it stands for; the old frame around it.
  const Bitmap& first = run.frames[0];
  for (int32_t y = 0; y < 600; ++y)
    for (int32_t x = 0; x < 800; ++x) {
      const uint32_t p = first.At(x, y);
      if (x < 300 || x >= 500 || y < 225 || y >= 375) {
        ASSERT_EQ(p, run.oldFrame.At(x, y)) << x << "," << y;
        continue;
      }
      bool fromBlock = false;
      for (int32_t j = 0; j < 4 && !fromBlock; ++j)
        for (int32_t i = 0; i < 4 && !fromBlock; ++i)
          fromBlock = p == run.newFrame.At((x - 300) * 4 + i, (y - 225) * 4 + j);
      ASSERT_TRUE(fromBlock) << x << "," << y;
    }
  EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
}

TEST_F(ZoomEffects, FromLeftSqueezesTheWholeFrameIntoAStripAtTheLeftEdge) {
  const EffectRun run = RunEffectOnMemory(108, 800, 600, 4);
  EXPECT_EQ(run.paints[0].dst, (Rect{0, 0, 200, 600}));
  const Bitmap& first = run.frames[0];
  for (int32_t y = 0; y < 600; y += 7) {
    // The strip's last column stands for the frame's last four columns.
    const uint32_t edge = first.At(199, y);
    EXPECT_TRUE(edge == run.newFrame.At(796, y) || edge == run.newFrame.At(797, y) ||
                edge == run.newFrame.At(798, y) || edge == run.newFrame.At(799, y));
    EXPECT_EQ(first.At(200, y), run.oldFrame.At(200, y));
  }
}

TEST_F(ZoomEffects, QuartersOfAnOddFrameNeverPaintOutsideIt) {
  // 803 x 603 at S = 4: the top-left quarter ends at (-0.75, -0.75), which
  // rounds to -1; its paint is cut at the frame's edge.
  const EffectRun run = RunEffectOnMemory(114, 803, 603, 4);
  ASSERT_EQ(run.paints.size(), 17u);  // four quarters per frame, then the final paint
  for (const PaintRecord& p : run.paints) EXPECT_TRUE(Inside(p.dst, 803, 603));
  EXPECT_EQ(run.paints[12].dst, (Rect{0, 0, 401, 301}));
  EXPECT_TRUE(OutsideUntouched(run.target, 803, 603));
  EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
}

TEST_F(ZoomEffects, AStopLeavesTheZoomAtItsSizeAndTheFinalPaintCompletesIt) {
  EffectRunOptions options;
  options.onFrame = [](int32_t wait) {
    if (wait == 2) SkipRequested = 1;
  };
  const EffectRun run = RunEffectOnMemory(104, 800, 600, 8, options);
  ASSERT_EQ(run.paints.size(), 4u);  // frames 1 to 3, then the final paint
  EXPECT_EQ(run.paints[2].dst, (Rect{0, 0, 300, 225}));
  EXPECT_EQ(run.paints[3].dst, (Rect{0, 0, 800, 600}));
  EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
}

TEST_F(ZoomEffects, StepCountZeroEndsBeforeAnyPaint) {
  for (int32_t effect = 103; effect <= 114; ++effect) {
    const EffectRun run = RunEffectOnMemory(effect, 64, 48, 0);
    EXPECT_TRUE(run.paints.empty()) << effect;
    EXPECT_TRUE(FrameEquals(run.target, run.oldFrame)) << effect;
    EXPECT_EQ(TransitionRunning, 0);
  }
}

}  // namespace
}  // namespace lw
