// Crossfade and Fade To Black through the engine on a memory target.
#include <gtest/gtest.h>

#include "tests/transitions/mix_reference.h"
#include "tests/transitions/test_doubles.h"
#include "transitions/transition_state.h"

namespace lw {
namespace {

class FadeEffects : public TransitionTest {};

// True when every pixel of the frame area of `shown` has the colour of
// `over` mixed over `under` with weight w.
bool ShowsMix(const Bitmap& shown, const Bitmap& over, const Bitmap& under, uint32_t w) {
  for (int32_t y = 0; y < over.height; ++y)
    for (int32_t x = 0; x < over.width; ++x)
      if ((shown.At(x, y) & 0xFFFFFF) != MixRgb(over.At(x, y), under.At(x, y), w)) return false;
  return true;
}

TEST_F(FadeEffects, CrossfadeAtFourStepsBlendsOnceAtWeight191) {
  const EffectRun run = RunEffectOnMemory(115, 800, 600, 4);
  EXPECT_EQ(run.waits, 1);
  ASSERT_EQ(run.paints.size(), 2u);  // the blend, then the final paint
  EXPECT_EQ(run.paints[0].dst, (Rect{0, 0, 800, 600}));
  EXPECT_TRUE(ShowsMix(run.frames[0], run.newFrame, run.oldFrame, 191));
  EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
}

TEST_F(FadeEffects, FadeToBlackAtFortyStepsDarkensTheOldFrameThenBrightensTheNew) {
  // V = 19, 38, ..., 247: the old frame at 255 - 2V up to V = 114, then the
  // new one at 2V - 254.
  struct Frame { bool isNew; uint32_t weight; };
  const Frame expected[] = {{false, 217}, {false, 179}, {false, 141}, {false, 103}, {false, 65},
                            {false, 27},  {true, 12},   {true, 50},   {true, 88},   {true, 126},
                            {true, 164},  {true, 202},  {true, 240}};
  const Bitmap black(160, 120, 0);
  const EffectRun run = RunEffectOnMemory(116, 160, 120, 40);
  ASSERT_EQ(run.waits, 13);
  for (int k = 0; k < 13; ++k) {
    const Bitmap& picture = expected[k].isNew ? run.newFrame : run.oldFrame;
    EXPECT_TRUE(ShowsMix(run.frames[k], picture, black, expected[k].weight)) << "frame " << k + 1;
  }
  EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
}

TEST_F(FadeEffects, FadeToBlackShowsPlainBlackWhereTheWeightCrossesZero) {
  // S = 6: d = 127, so the second frame falls on V = 254 and the first on
  // V = 127, where the new frame's weight is 0.
  const Bitmap black(40, 30, 0);
  const EffectRun run = RunEffectOnMemory(116, 40, 30, 6);
  ASSERT_EQ(run.waits, 2);
  EXPECT_TRUE(ShowsMix(run.frames[0], run.newFrame, black, 0));
  EXPECT_TRUE(ShowsMix(run.frames[1], run.newFrame, black, 254));
}

TEST_F(FadeEffects, FrameCountFollowsTheStride) {
  // The weight steps by 765 div S (at least 1) and stays below 255. A
  // negative count takes the slowest stride rather than never reaching 255.
  struct Case { int32_t effect, steps, frames; } cases[] = {
      {115, 4, 1}, {115, 32, 11}, {116, 40, 13}, {115, 765, 254}, {116, 1000, 254}, {115, -4, 254},
  };
  EffectRunOptions options;
  options.snapshots = false;
  for (const Case& c : cases) {
    const EffectRun run = RunEffectOnMemory(c.effect, 16, 12, c.steps, options);
    EXPECT_EQ(run.waits, c.frames) << c.effect << " S=" << c.steps;
    EXPECT_TRUE(FrameEquals(run.target, run.newFrame)) << c.effect << " S=" << c.steps;
  }
}

TEST_F(FadeEffects, StepCountZeroEndsBeforeAnyPaint) {
  for (int32_t effect : {115, 116}) {
    const EffectRun run = RunEffectOnMemory(effect, 64, 48, 0);
    EXPECT_TRUE(run.paints.empty()) << effect;
    EXPECT_TRUE(FrameEquals(run.target, run.oldFrame)) << effect;
    EXPECT_EQ(TransitionRunning, 0);
  }
}

}  // namespace
}  // namespace lw
