// Line drops run through the engine on a memory target.
#include <gtest/gtest.h>

#include "tests/transitions/test_doubles.h"

namespace lw {
namespace {

class LineDrop : public TransitionTest {};

// True when column x of `target` (rows 0..h-1) equals column sx of `frame`.
bool ColumnIs(const Bitmap& target, int32_t x, const Bitmap& frame, int32_t sx) {
  for (int32_t y = 0; y < frame.height; ++y)
    if (target.At(x, y) != frame.At(sx, y)) return false;
  return true;
}

TEST_F(LineDrop, FromRightUncoversAQuarterAndSmearsTheEdgeColumn) {
  const EffectRun run = RunEffectOnMemory(65, 400, 300, 4);
  // The step that uses up the last step is not painted: three frames.
  ASSERT_EQ(run.waits, 3);
  ASSERT_EQ(run.frames.size(), 4u);
  for (int32_t k = 0; k < 3; ++k) {
    const Bitmap& frame = run.frames[k];
    const int32_t edge = 100 * (k + 1);
    for (int32_t x : {0, edge - 1}) EXPECT_TRUE(ColumnIs(frame, x, run.newFrame, x)) << k;
    for (int32_t x : {edge, edge + 1, 399}) EXPECT_TRUE(ColumnIs(frame, x, run.newFrame, edge)) << k << " " << x;
  }
  EXPECT_TRUE(FrameEquals(run.frames.back(), run.newFrame));
}

TEST_F(LineDrop, EachDirectionSmearsTowardItsFarSide) {
  // At S = 4 on 400 x 300 the first frame's edge lies a quarter in from
  // the side where the uncovering starts.
  struct Case {
    int32_t effect;
    bool vertical;    // the edge line is a row
    int32_t edge;     // first frame's edge line
    int32_t farLine;  // a line of the smeared area
  } cases[] = {
      {65, false, 100, 399}, {66, false, 300, 0}, {67, true, 75, 299}, {68, true, 225, 0}};
  for (const auto& c : cases) {
    const EffectRun run = RunEffectOnMemory(c.effect, 400, 300, 4);
    ASSERT_EQ(run.waits, 3) << c.effect;
    const Bitmap& first = run.frames[0];
    for (int32_t i = 0; i < (c.vertical ? 400 : 300); i += 37) {
      const uint32_t got = c.vertical ? first.At(i, c.farLine) : first.At(c.farLine, i);
      const uint32_t want = c.vertical ? run.newFrame.At(i, c.edge) : run.newFrame.At(c.edge, i);
      EXPECT_EQ(got, want) << "effect " << c.effect << " at " << i;
    }
  }
}

TEST_F(LineDrop, EdgeLineStaysInsideTheFrameOnTinyFrames) {
  // 7 wide at S = 32: the first edge from the right rounds to x = 7, one
  // past the last column. The last column is smeared over the frame.
  const EffectRun run = RunEffectOnMemory(66, 7, 5, 32);
  ASSERT_GE(run.frames.size(), 2u);
  for (int32_t x = 0; x < 7; ++x) EXPECT_TRUE(ColumnIs(run.frames[0], x, run.newFrame, 6)) << x;
  EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
}

TEST_F(LineDrop, OddStepCountsEndSilentlyOrNotAtAll) {
  // S = 0 divides by zero: no frame and no final paint. A negative count
  // has no steps: no frame, then the final paint.
  const EffectRun zero = RunEffectOnMemory(67, 40, 30, 0);
  EXPECT_EQ(zero.waits, 0);
  EXPECT_TRUE(FrameEquals(zero.target, zero.oldFrame));
  const EffectRun negative = RunEffectOnMemory(67, 40, 30, -4);
  EXPECT_EQ(negative.waits, 0);
  EXPECT_TRUE(FrameEquals(negative.target, negative.newFrame));
}

}  // namespace
}  // namespace lw
