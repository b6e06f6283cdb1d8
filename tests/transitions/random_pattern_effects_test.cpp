#include "transitions/random_pattern_effects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/random.h"
#include "tests/gfx/region_printers.h"
#include "tests/transitions/shape_reveal_check.h"

namespace lw {
namespace {

// Runs the pattern's frames as the effect loop does (to Done or the cap).
std::vector<std::optional<Region>> Frames(RandomPattern& pattern) {
  std::vector<std::optional<Region>> frames;
  for (int64_t i = 0; !pattern.Done() && i < pattern.FrameCap(); ++i) {
    frames.push_back(pattern.NextFrame());
  }
  return frames;
}

TEST(RandomPatterns, ShuffleIsAPermutationThatFollowsTheSeed) {
  SetRandSeed(12345);
  std::vector<int32_t> a = ShuffledOrder(50);
  std::vector<int32_t> sorted = a;
  std::sort(sorted.begin(), sorted.end());
  for (int32_t k = 0; k < 50; ++k) EXPECT_EQ(sorted[k], k);
  SetRandSeed(12345);
  EXPECT_EQ(ShuffledOrder(50), a);
  SetRandSeed(54321);
  EXPECT_NE(ShuffledOrder(50), a);
  EXPECT_TRUE(ShuffledOrder(0).empty());
  EXPECT_EQ(ShuffledOrder(1), std::vector<int32_t>{0});
}

TEST(RandomPatterns, HorizontalBandsOnAPreview) {
  // 32 steps on 119 x 95: 32 full-width bands of two or three rows, one per
  // frame, together covering the frame once.
  SetRandSeed(7);
  RandomPattern pattern(1, 119, 95, 32);
  std::vector<std::optional<Region>> frames = Frames(pattern);
  ASSERT_EQ(frames.size(), 32u);
  EXPECT_TRUE(pattern.Done());
  Region all;
  std::vector<int32_t> tops;
  for (const auto& r : frames) {
    ASSERT_TRUE(r.has_value());
    Rect box = r->ClipBox();
    EXPECT_EQ(*r, Region::FromRect(box));
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 119);
    EXPECT_TRUE(box.Height() == 2 || box.Height() == 3) << box.Height();
    EXPECT_TRUE(Region::Combine(all, *r, CombineMode::kAnd).IsEmpty());
    all = Region::Combine(all, *r, CombineMode::kOr);
    tops.push_back(box.top);
  }
  EXPECT_EQ(all, Region::FromRect({0, 0, 119, 95}));
  EXPECT_FALSE(std::is_sorted(tops.begin(), tops.end()));
  // Another run draws another order.
  SetRandSeed(8);
  RandomPattern again(1, 119, 95, 32);
  std::vector<int32_t> otherTops;
  for (const auto& r : Frames(again)) otherTops.push_back(r->ClipBox().top);
  EXPECT_NE(otherTops, tops);
}

TEST(RandomPatterns, VerticalBandsAreLimitedByTheWidth) {
  RandomPattern pattern(2, 20, 95, 32);  // d = Min(32, 20)
  std::vector<std::optional<Region>> frames = Frames(pattern);
  ASSERT_EQ(frames.size(), 20u);
  Region all;
  for (const auto& r : frames) all = Region::Combine(all, *r, CombineMode::kOr);
  EXPECT_EQ(all, Region::FromRect({0, 0, 20, 95}));
}

TEST(RandomPatterns, RectanglesAt40StepsOn800x600) {
  RandomPattern pattern(3, 800, 600, 40);
  EXPECT_EQ(pattern.GridSize(), 40);
  EXPECT_EQ(pattern.PiecesPerFrame(), 40);
  std::vector<std::optional<Region>> frames = Frames(pattern);
  ASSERT_EQ(frames.size(), 43u);  // 1681 cells, 40 a frame
  Region all;
  for (const auto& r : frames) all = Region::Combine(all, *r, CombineMode::kOr);
  // Cells of the last column and row lie outside the frame.
  EXPECT_EQ(all, Region::FromRect({0, 0, 820, 615}));
}

TEST(RandomPatterns, LargeEllipsesRunOneHundredTwentyOneFrames) {
  for (int32_t steps : {5, 40, 800}) {
    RandomPattern pattern(5, 640, 480, steps);
    std::vector<std::optional<Region>> frames = Frames(pattern);
    EXPECT_EQ(frames.size(), 121u) << steps;
    std::set<std::pair<int32_t, int32_t>> centres;
    for (const auto& r : frames) {
      Rect box = r->ClipBox();
      // Two cells wide and high (64 x 48), less the rounded region's last column and row.
      EXPECT_EQ(box.Width(), 127);
      EXPECT_EQ(box.Height(), 95);
      centres.insert({box.left + 64, box.top + 48});
    }
    EXPECT_EQ(centres.size(), 121u);
    EXPECT_TRUE(centres.count({0, 0}) && centres.count({640, 480}));
  }
  // At 4 steps the safety cap of S^3 = 64 frames comes first.
  RandomPattern capped(5, 640, 480, 4);
  EXPECT_EQ(Frames(capped).size(), 64u);
}

TEST(RandomPatterns, SmallEllipsesSeveralPerFrame) {
  RandomPattern pattern(4, 320, 240, 40);  // d = Min(40, 30) = 30, 28 a frame
  EXPECT_EQ(pattern.PiecesPerFrame(), 28);
  EXPECT_EQ(Frames(pattern).size(), 35u);  // Ceil(961 / 28)
}

TEST(RandomPatterns, StepsCubedIsKeptExact) {
  // 1920 cubed does not fit in 32 bits; a wrapped cap would stop the effect at once.
  EXPECT_EQ(RandomPattern(1, 1920, 1080, 1920).FrameCap(), int64_t{1920} * 1920 * 1920);
  EXPECT_EQ(RandomPattern(1, 1920, 1080, 0).FrameCap(), 0);
}

TEST(RandomPatterns, EmptyOrGridlessFrames) {
  // No rows to band: the first frame finds nothing and ends the effect.
  RandomPattern bands(1, 100, 0, 40);
  EXPECT_FALSE(bands.NextFrame().has_value());
  EXPECT_TRUE(bands.Done());
  // Grids of size 0 cannot place a piece at all.
  EXPECT_FALSE(RandomPattern(3, 100, 3, 40).CanPlacePieces());
  EXPECT_FALSE(RandomPattern(4, 100, 7, 40).CanPlacePieces());
  EXPECT_TRUE(RandomPattern(4, 100, 8, 40).CanPlacePieces());
}

}  // namespace
}  // namespace lw

namespace lw {
namespace {

class RandomPatternsRun : public TransitionTest {};

TEST_F(RandomPatternsRun, FramesShowTheRegionsSoFar) {
  EffectRunOptions inline_;
  inline_.threaded = false;  // no re-seeding: the order follows the seed set here
  for (int32_t local = 1; local <= 5; ++local) {
    SCOPED_TRACE(95 + local);
    SetRandSeed(99);
    RandomPattern pattern(local, 120, 90, 12);
    std::vector<std::optional<Region>> regions = Frames(pattern);
    SetRandSeed(99);
    ExpectFramesRevealRegions(RunEffectOnMemory(95 + local, 120, 90, 12, inline_), regions);
  }
}

TEST_F(RandomPatternsRun, EachTransitionDrawsItsOwnOrder) {
  // The generator is re-seeded from the clock at the start of a transition.
  auto order = [](uint32_t tick) {
    EffectRunOptions options;
    options.startTick = tick;
    EffectRun run = RunEffectOnMemory(96, 119, 95, 32, options);
    EXPECT_EQ(run.waits, 32);
    // The one band each frame adds, by its first row.
    std::vector<int32_t> rows;
    for (size_t k = 1; k < run.frames.size() - 1; ++k) {
      for (int32_t y = 0; y < 95; ++y) {
        if (run.frames[k].At(0, y) != run.frames[k - 1].At(0, y)) {
          rows.push_back(y);
          break;
        }
      }
    }
    return rows;
  };
  std::vector<int32_t> a = order(1000), b = order(1000), c = order(5000);
  EXPECT_EQ(a.size(), 31u);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
}

TEST_F(RandomPatternsRun, FrameCounts) {
  EffectRunOptions options;
  options.snapshots = false;
  struct Case {
    int32_t effect, w, h, steps, waits;
  } cases[] = {
      {98, 800, 600, 40, 43},  // 1681 cells, 40 a frame
      {100, 160, 120, 32, 121},
      {100, 160, 120, 4, 64},  // capped at 4^3 frames
      {97, 20, 30, 32, 20},
      {96, 40, 30, 0, 0},      // the cap of 0 frames: straight to the final paint
  };
  for (const Case& c : cases) {
    EffectRun run = RunEffectOnMemory(c.effect, c.w, c.h, c.steps, options);
    EXPECT_EQ(run.waits, c.waits) << c.effect << " at " << c.steps;
    EXPECT_TRUE(FrameEquals(run.target, run.newFrame)) << c.effect;
  }
}

TEST_F(RandomPatternsRun, GridWithoutCellsEndsSilently) {
  // 98 on three rows: a grid of size 0, whose first piece would divide by 0.
  EffectRun run = RunEffectOnMemory(98, 40, 3, 32);
  EXPECT_EQ(run.waits, 0);
  EXPECT_TRUE(FrameEquals(run.target, run.oldFrame));
}

}  // namespace
}  // namespace lw
