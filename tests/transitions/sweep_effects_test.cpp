#include "transitions/sweep_effects.h"

#include <gtest/gtest.h>

#include <vector>

#include "gfx/region.h"
#include "tests/gfx/region_printers.h"
#include "tests/transitions/test_doubles.h"

namespace lw {
namespace {

// The blocks painted, frame by frame, as the effect loop runs them.
std::vector<Rect> Blocks(int32_t local, int32_t w, int32_t h, int32_t steps, bool* done = nullptr) {
  SweepPath path(local, w, h, steps);
  std::vector<Rect> blocks;
  for (int64_t i = 0; !path.Done() && i <= 4 * int64_t{steps}; ++i) {
    blocks.push_back(path.Block());
    path.Advance();
  }
  if (done) *done = path.Done();
  return blocks;
}

TEST(SweepEffects, InsideOutTurnsClockwiseAroundTheCentre) {
  // 800 x 600 at S = 40: blocks of 100 x 75 moving 60 pixels a frame.
  const Rect expected[] = {
      {300, 225, 400, 300}, {360, 225, 460, 300},  // right, then turn down at 400
      {400, 225, 500, 300}, {400, 285, 500, 360},  // down, turn left at 300
      {400, 300, 500, 375}, {340, 300, 440, 375},  // left, turn up at 300
      {300, 300, 400, 375}, {300, 240, 400, 315}, {300, 180, 400, 255},  // up to 150
      {300, 150, 400, 225},                        // right again, one ring out
  };
  std::vector<Rect> blocks = Blocks(1, 800, 600, 40);
  ASSERT_GE(blocks.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(blocks[i], expected[i]) << i;
}

TEST(SweepEffects, OutsideInCoversTheBorderFirstAndEndsWhenBoundsCross) {
  const int32_t W = 800, H = 600;
  bool done = false;
  std::vector<Rect> blocks = Blocks(2, W, H, 40, &done);
  EXPECT_TRUE(done);
  EXPECT_LT(blocks.size(), 161u);
  EXPECT_EQ(blocks[0], (Rect{0, 0, 100, 75}));
  EXPECT_EQ(blocks[1], (Rect{60, 0, 160, 75}));
  Region painted;
  for (const Rect& b : blocks) {
    EXPECT_EQ(Intersect(b, Rect{0, 0, W, H}), b);
    painted = Region::Combine(painted, Region::FromRect(b), CombineMode::kOr);
  }
  // The outer ring of blocks is complete; the core is left to the final paint.
  const Region ring = Region::Combine(Region::FromRect({0, 0, W, H}),
                                      Region::FromRect({100, 75, W - 100, H - 75}),
                                      CombineMode::kDiff);
  EXPECT_EQ(Region::Combine(ring, painted, CombineMode::kDiff), Region());
}

TEST(SweepEffects, FewStepsLeaveGapsBetweenBlocks) {
  // S = 8: the speed Ceil(600 / 2) = 300 is four block heights.
  std::vector<Rect> blocks = Blocks(2, 800, 600, 8);
  EXPECT_EQ(blocks[0], (Rect{0, 0, 100, 75}));
  EXPECT_EQ(blocks[1], (Rect{300, 0, 400, 75}));
  EXPECT_EQ(blocks[2], (Rect{600, 0, 700, 75}));
}

TEST(SweepEffects, InsideOutStopsAtTheFrameCap) {
  // On a wide, low frame the speed (from the height) is too slow for the
  // block to reach the top-left corner within 4 S + 1 frames.
  bool done = true;
  std::vector<Rect> blocks = Blocks(1, 1000, 100, 40, &done);
  EXPECT_FALSE(done);
  EXPECT_EQ(blocks.size(), 161u);
}

}  // namespace
}  // namespace lw

namespace lw {
namespace {

class SweepEffectsRun : public TransitionTest {};

TEST_F(SweepEffectsRun, PaintsEachBlockStraightFromTheNewFrame) {
  EffectRunOptions options;
  options.snapshots = false;
  for (int32_t local : {1, 2}) {
    for (int32_t steps : {8, 40}) {
      SCOPED_TRACE(testing::Message() << 100 + local << " at " << steps);
      std::vector<Rect> blocks = Blocks(local, 160, 120, steps);
      EffectRun run = RunEffectOnMemory(100 + local, 160, 120, steps, options);
      EXPECT_EQ(run.waits, static_cast<int32_t>(blocks.size()));
      ASSERT_EQ(run.paints.size(), blocks.size() + 1);
      for (size_t k = 0; k < blocks.size(); ++k) {
        EXPECT_EQ(run.paints[k].dst, blocks[k]) << k;
        EXPECT_EQ(run.paints[k].src, blocks[k]) << k;
        EXPECT_EQ(run.paints[k].frame, static_cast<int32_t>(k)) << k;
      }
      EXPECT_EQ(run.paints.back().dst, (Rect{0, 0, 160, 120}));  // the exact final paint
      EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
    }
  }
}

TEST_F(SweepEffectsRun, NoStepsEndSilentlyOnTheOldFrame) {
  for (int32_t effect : {101, 102}) {
    EffectRun run = RunEffectOnMemory(effect, 40, 30, 0);
    EXPECT_TRUE(run.paints.empty()) << effect;
    EXPECT_TRUE(FrameEquals(run.target, run.oldFrame)) << effect;
  }
}

}  // namespace
}  // namespace lw
