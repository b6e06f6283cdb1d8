#include "transitions/ellipse_effects.h"

#include <gtest/gtest.h>

#include "tests/gfx/region_printers.h"
#include "tests/transitions/shape_reveal_check.h"

namespace lw {
namespace {

int64_t FrameCount(const EllipseShapes& shapes) {
  int64_t i = 0;
  while (!shapes.LastFrame(i)) ++i;
  return i + 1;
}

TEST(EllipseEffects, GrowingEllipseAt40StepsOn800x600) {
  EllipseShapes shapes(1, 800, 600, 40);
  EXPECT_EQ(FrameCount(shapes), 28);
  EXPECT_FALSE(shapes.RegionAt(0).has_value());  // the first frame shows the old frame
  for (int64_t i = 1; i <= 20; ++i) {
    // k = 20 and m = 15: the ellipse's bounds span 40 i by 30 i, less the
    // last column and row that rounded regions leave out.
    const int32_t k = static_cast<int32_t>(20 * i), m = static_cast<int32_t>(15 * i);
    std::optional<Region> r = shapes.RegionAt(i);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, Region::Ellipse({400 - k, 300 - m, 400 + k, 300 + m})) << i;
    EXPECT_EQ(r->ClipBox(), (Rect{400 - k, 300 - m, 399 + k, 299 + m})) << i;
  }
  // Grown past the frame, the rounded rectangle covers even the corners.
  EXPECT_EQ(*shapes.RegionAt(27), Region::FromRect({0, 0, 800, 600}));
}

TEST(EllipseEffects, FrameCounts) {
  struct Case {
    int32_t steps;
    int64_t centre, edge;  // frames of 71/72 and of 73..76
  } cases[] = {{1, 2, 3}, {3, 4, 6}, {4, 4, 8}, {32, 23, 50}, {40, 28, 62}, {41, 29, 63}};
  for (const Case& c : cases) {
    for (int32_t local = 1; local <= 6; ++local) {
      EXPECT_EQ(FrameCount(EllipseShapes(local, 640, 480, c.steps)), local <= 2 ? c.centre : c.edge)
          << "effect " << 70 + local << " steps " << c.steps;
    }
  }
}

TEST(EllipseEffects, ShrinkingEllipseKeepsTheOutside) {
  const Region frame = Region::FromRect({0, 0, 800, 600});
  EllipseShapes shapes(2, 800, 600, 40);
  // j = Round(40 / 1.5 - i) runs from 27 down to 0.
  auto inFrame = [&](int64_t i) { return Region::Combine(*shapes.RegionAt(i), frame, CombineMode::kAnd); };
  EXPECT_TRUE(inFrame(0).IsEmpty());  // the first ellipse already covers the frame
  EXPECT_EQ(inFrame(14),
            Region::Combine(frame, Region::Ellipse({400 - 260, 300 - 195, 400 + 260, 300 + 195}),
                            CombineMode::kDiff));
  EXPECT_EQ(inFrame(27), frame);  // nothing of the old frame is left
}

TEST(EllipseEffects, HalfEllipseFromTheLeftThenSquaringCorners) {
  EllipseShapes shapes(3, 800, 600, 40);
  EXPECT_FALSE(shapes.RegionAt(0).has_value());
  // Until it reaches the right edge: the right half of an ellipse on the left edge.
  Region half = *shapes.RegionAt(20);
  EXPECT_EQ(half.ClipBox(), (Rect{0, 0, 399, 600}));
  EXPECT_TRUE(half.Contains(398, 300));
  EXPECT_FALSE(half.Contains(300, 0));
  // Then the corners shrink; at 1.4 S they are square and nothing changes after.
  Region closing = *shapes.RegionAt(41);
  EXPECT_FALSE(closing.Contains(798, 0));
  EXPECT_TRUE(closing.Contains(798, 300));
  for (int64_t i = 56; i <= 61; ++i) {
    // The rounded rectangle never includes the frame's last column; the exact
    // final paint brings it in.
    EXPECT_EQ(*shapes.RegionAt(i), Region::FromRect({0, 0, 799, 600})) << i;
  }
}

// What the frames reveal together: every shape but 73's ends up covering the
// whole frame before the exact final paint.
TEST(EllipseEffects, FramesTogetherCoverTheFrame) {
  const int32_t W = 160, H = 90;
  const Region frame = Region::FromRect({0, 0, W, H});
  for (int32_t steps : {4, 13, 32}) {
    for (int32_t local = 1; local <= 6; ++local) {
      EllipseShapes shapes(local, W, H, steps);
      Region revealed;
      for (int64_t i = 0;; ++i) {
        if (auto r = shapes.RegionAt(i)) revealed = Region::Combine(revealed, *r, CombineMode::kOr);
        if (shapes.LastFrame(i)) break;
      }
      revealed = Region::Combine(revealed, frame, CombineMode::kAnd);
      EXPECT_EQ(revealed, local == 3 ? Region::FromRect({0, 0, W - 1, H}) : frame)
          << "effect " << 70 + local << " steps " << steps;
    }
  }
}

}  // namespace
}  // namespace lw

namespace lw {
namespace {

class EllipseEffectsRun : public TransitionTest {};

TEST_F(EllipseEffectsRun, FramesShowTheRegionsSoFar) {
  const int32_t W = 120, H = 90, S = 12;
  for (int32_t local = 1; local <= 6; ++local) {
    SCOPED_TRACE(70 + local);
    EllipseShapes shapes(local, W, H, S);
    std::vector<std::optional<Region>> regions;
    for (int64_t i = 0;; ++i) {
      regions.push_back(shapes.RegionAt(i));
      if (shapes.LastFrame(i)) break;
    }
    ExpectFramesRevealRegions(RunEffectOnMemory(70 + local, W, H, S), regions);
  }
}

TEST_F(EllipseEffectsRun, GrowingEllipseRuns28FramesAt40Steps) {
  EffectRunOptions options;
  options.snapshots = false;
  EffectRun run = RunEffectOnMemory(71, 800, 600, 40, options);
  EXPECT_EQ(run.waits, 28);
  EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
}

TEST_F(EllipseEffectsRun, NoStepsEndSilentlyOnTheOldFrame) {
  for (int32_t effect = 71; effect <= 76; ++effect) {
    EffectRun run = RunEffectOnMemory(effect, 40, 30, 0);
    EXPECT_EQ(run.waits, 0) << effect;
    EXPECT_TRUE(FrameEquals(run.target, run.oldFrame)) << effect;
  }
}

}  // namespace
}  // namespace lw
