// The fade unfolds through the engine, and the fold-fade's graded strip.
#include <gtest/gtest.h>

#include "common/random.h"
#include "tests/transitions/mix_reference.h"
#include "tests/transitions/test_doubles.h"
#include "transitions/tfoldfade.h"
#include "transitions/transition_state.h"

namespace lw {
namespace {

class FadeUnfold : public TransitionTest {};

// Alpha bytes of every column (rows 1 and 2) or row (3 and 4) of a strip.
std::vector<uint32_t> StripAlpha(int32_t gradient, int32_t w, int32_t h) {
  const Bitmap image(20, 20, 0x00123456);
  TFoldFade f;
  f.Init(0, 0, w, h, 1, 0, 0, image, image, gradient);
  f.Step();
  std::vector<uint32_t> alpha;
  const bool across = gradient <= 2;
  for (int32_t i = 0; i < (across ? w : h); ++i) {
    const uint32_t p = across ? f.Strip.At(i, 0) : f.Strip.At(0, i);
    EXPECT_EQ(p & 0xFFFFFF, 0x123456u);  // the colour is the new frame's
    alpha.push_back(p >> 24);
  }
  return alpha;
}

TEST_F(FadeUnfold, StripAlphaIsGradedAndRoundedUp) {
  using V = std::vector<uint32_t>;
  EXPECT_EQ(StripAlpha(1, 5, 2), (V{255, 192, 128, 64, 0}));
  EXPECT_EQ(StripAlpha(2, 5, 2), (V{0, 64, 128, 192, 255}));
  EXPECT_EQ(StripAlpha(3, 2, 4), (V{255, 170, 85, 0}));
  EXPECT_EQ(StripAlpha(4, 2, 4), (V{0, 85, 170, 255}));
  EXPECT_EQ(StripAlpha(1, 2, 1), (V{255, 0}));
}

TEST_F(FadeUnfold, OtherGradientsDrawEachPixelsAlphaFromTheGenerator) {
  SetRandSeed(77);
  std::vector<uint32_t> expected;
  for (int i = 0; i < 6; ++i) expected.push_back(static_cast<uint32_t>(Random(256)));
  SetRandSeed(77);
  const Bitmap image(20, 20, 0x00123456);
  TFoldFade f;
  f.Init(0, 0, 3, 2, 1, 0, 0, image, image, 0);
  f.Step();
  std::vector<uint32_t> alpha;
  for (uint32_t p : f.Strip.pixels) alpha.push_back(p >> 24);  // row by row
  EXPECT_EQ(alpha, expected);
}

// The colours of the target after a frame of a horizontal fade unfold: the
// new frame in [newFrom, newTo), the strip's blend from stripAt, the old
// frame elsewhere.
void ExpectColumns(const Bitmap& shown, const EffectRun& run, int32_t newFrom, int32_t newTo,
               int32_t stripAt, const std::vector<uint32_t>& alpha, int frame) {
  for (int32_t y = 0; y < run.newFrame.height; ++y)
    for (int32_t x = 0; x < run.newFrame.width; ++x) {
      uint32_t want = run.oldFrame.At(x, y) & 0xFFFFFF;
      if (x >= newFrom && x < newTo) want = run.newFrame.At(x, y) & 0xFFFFFF;
      const int32_t i = x - stripAt;
      if (i >= 0 && i < static_cast<int32_t>(alpha.size()))
        want = MixRgb(run.newFrame.At(x, y), run.oldFrame.At(x, y), alpha[i]);
      ASSERT_EQ(shown.At(x, y) & 0xFFFFFF, want) << "frame " << frame << " at " << x << "," << y;
    }
}

TEST_F(FadeUnfold, FromLeftUncoversBehindASoftStrip) {
  // 50 x 2 at S = 5: the fold is 10 wide and moves 10 a step; the strip is
  // 5 wide, directly ahead of it, full at the fold's side.
  const EffectRun run = RunEffectOnMemory(117, 50, 2, 5);
  ASSERT_EQ(run.waits, 4);  // S frames
  for (int k = 0; k < 4; ++k)
    ExpectColumns(run.frames[k], run, 0, 10 * (k + 1), 10 * (k + 1), {255, 192, 128, 64, 0}, k + 1);
  EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
}

TEST_F(FadeUnfold, FromRightTakesOneFrameMore) {
  const EffectRun run = RunEffectOnMemory(118, 50, 2, 5);
  ASSERT_EQ(run.waits, 5);  // S + 1 frames
  for (int k = 0; k < 4; ++k)
    ExpectColumns(run.frames[k], run, 40 - 10 * k, 50, 35 - 10 * k, {0, 64, 128, 192, 255}, k + 1);
  EXPECT_TRUE(FrameEquals(run.frames[4], run.newFrame));
  EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
}

TEST_F(FadeUnfold, AStripOnePixelAcrossEndsTheRunWithoutTheFinalPaint) {
  // Frames under 11 pixels across give a strip of one pixel: its grade
  // divides by zero. The fold has painted its first rectangle by then.
  struct Case { int32_t effect, w, h; Rect fold; } cases[] = {
      {117, 10, 6, {0, 0, 3, 6}},
      {118, 10, 6, {7, 0, 10, 6}},
      {119, 6, 10, {0, 0, 6, 3}},
      {120, 6, 10, {0, 7, 6, 10}},
  };
  for (const Case& c : cases) {
    const EffectRun run = RunEffectOnMemory(c.effect, c.w, c.h, 4);
    ASSERT_EQ(run.paints.size(), 1u) << c.effect;
    EXPECT_EQ(run.paints[0].dst, c.fold) << c.effect;
    for (int32_t y = 0; y < c.h; ++y)
      for (int32_t x = 0; x < c.w; ++x) {
        const bool uncovered = x >= c.fold.left && x < c.fold.right && y >= c.fold.top && y < c.fold.bottom;
        ASSERT_EQ(run.target.At(x, y), (uncovered ? run.newFrame : run.oldFrame).At(x, y)) << c.effect;
      }
    EXPECT_EQ(TransitionRunning, 0);
    EXPECT_EQ(CurrentTransition, nullptr);
  }
}

TEST_F(FadeUnfold, StepCountZeroEndsBeforeAnyPaint) {
  for (int32_t effect = 117; effect <= 120; ++effect) {
    const EffectRun run = RunEffectOnMemory(effect, 64, 48, 0);
    EXPECT_TRUE(run.paints.empty()) << effect;
    EXPECT_TRUE(FrameEquals(run.target, run.oldFrame)) << effect;
  }
}

}  // namespace
}  // namespace lw
