#include "transitions/polygon_effects.h"

#include <gtest/gtest.h>

#include "tests/gfx/region_printers.h"
#include "tests/transitions/shape_reveal_check.h"

namespace lw {
namespace {

Region At(int32_t local, int32_t w, int32_t h, int32_t steps, int64_t i) {
  return PolygonRegion(local, w, h, steps, i);
}

// Runs the counter as the effect loop does and returns the frames' regions.
std::vector<Region> Frames(int32_t local, int32_t w, int32_t h, int32_t steps) {
  std::vector<Region> frames;
  for (int64_t i = 0; i <= steps; ++i) frames.push_back(PolygonRegion(local, w, h, steps, i));
  return frames;
}

TEST(PolygonEffects, ClockHandAt8Steps) {
  // The tip runs along the top (x = 0, 400, 800), down the right edge
  // (y = 300, 600), back along the bottom and up the left edge.
  const Rect expected[] = {
      {},                   // i = 0: no area yet
      {0, 0, 400, 300},     // tip at (400, 0)
      {0, 0, 800, 300},     // tip at (800, 0)
      {402, 1, 800, 300},   // tip at (800, 300)
      {400, 1, 800, 600},   // tip at (800, 600)
      {400, 301, 799, 600}, // tip at (400, 600)
      {2, 301, 799, 600},   // tip at (0, 600)
      {0, 300, 400, 600},   // tip at (0, 300)
      {0, 1, 400, 600},     // tip at (0, 0)
  };
  std::vector<Region> frames = Frames(7, 800, 600, 8);
  ASSERT_EQ(frames.size(), 9u);
  for (size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(frames[i].ClipBox(), expected[i]) << i;
}

TEST(PolygonEffects, TrianglesJumpToTheirLastFrame) {
  // S = 40: T = 20; the counter runs 0..20, then jumps to 41 in the 22nd and
  // last frame, whose legs are Ceil(41 H / 60) and Ceil(41 W / 60).
  const int32_t W = 800, H = 600, S = 40;
  int64_t frames = 0, i = 0;
  Region last;
  for (; i <= S; ++i, ++frames) last = PolygonRegion(11, W, H, S, i);
  EXPECT_EQ(frames, 22);
  EXPECT_EQ(i, 42);
  // The grid includes the right and bottom edges: the triangle on the
  // bottom-right corner reaches one leg past the frame each way.
  const int32_t a = 410, b = 547;  // Ceil(41 * 600 / 60), Ceil(41 * 800 / 60)
  EXPECT_EQ(last.ClipBox(), (Rect{0, 0, W + b, H + a}));
  int64_t j = 20;
  EXPECT_EQ(PolygonRegion(11, W, H, S, j).ClipBox(), (Rect{0, 0, W + 267, H + 200}));
  EXPECT_EQ(j, 20);
}

TEST(PolygonEffects, QuarterClockAddsTheCornerTriangleOnce) {
  // 88 on 800 x 600 at S = 6: (W + H) / S = 233.3 does not divide 800; the
  // hand passes the top-right corner between i = 3 (700) and i = 4 (933.3).
  const int32_t W = 800, H = 600, S = 6;
  const Region corner = Region::Polygon({{0, 0}, {0, H}, {W, 0}});
  int cornerFrames = 0;
  for (int64_t i = 0; i <= S; ++i) cornerFrames += At(12, W, H, S, i) == corner;
  EXPECT_EQ(cornerFrames, 1);
  EXPECT_EQ(At(12, W, H, S, 4), corner);
  // Then the hand runs down the right edge: at i = 5 its end is at
  // Ceil(1166.7 - 800) = 367.
  Region r5 = At(12, W, H, S, 5);
  EXPECT_TRUE(r5.Contains(W - 1, 366));
  EXPECT_FALSE(r5.Contains(W - 1, 368));
  // Exactly divisible: the hand lands on the corner and no extra frame is needed.
  EXPECT_EQ(At(12, 600, 600, 6, 3), Region::Polygon({{0, 0}, {0, 600}, {600, 0}}));
}

// Every shape but the chaos star reveals the whole frame by its last frame;
// the clock hands do so only when S is a multiple of 4 (otherwise each
// quarter starts with a jump and leaves gaps for the final paint).
TEST(PolygonEffects, FramesTogetherCoverTheFrame) {
  for (auto [w, h, steps] : {std::tuple{160, 90, 16}, std::tuple{119, 95, 32}, std::tuple{64, 48, 5}}) {
    const Region frame = Region::FromRect({0, 0, w, h});
    for (int32_t local = 1; local <= 19; ++local) {
      if (local == 9 || ((local == 7 || local == 8) && steps % 4 != 0)) continue;
      Region revealed;
      for (const Region& r : Frames(local, w, h, steps)) {
        revealed = Region::Combine(revealed, r, CombineMode::kOr);
      }
      EXPECT_EQ(Region::Combine(revealed, frame, CombineMode::kAnd), frame)
          << "effect " << 76 + local << " on " << w << "x" << h << " steps " << steps;
    }
  }
}

TEST(PolygonEffects, UnionsOfTriangles) {
  // 92 at i = 3 S / 4: the corner triangles, traced in opposite senses,
  // overlap along the edges' middles; the overlap stays revealed and only
  // the diamond around the centre is left.
  const int32_t W = 160, H = 120, S = 16;
  Region diamond = At(16, W, H, S, 12);
  for (Point p : {Point{80, 0}, Point{80, 119}, Point{0, 60}, Point{159, 60}}) {
    EXPECT_TRUE(diamond.Contains(p.x, p.y)) << p.x << "," << p.y;
  }
  EXPECT_FALSE(diamond.Contains(80, 60));
  // 93: the four triangles around the centre make up exactly the diamond of their tips.
  EXPECT_EQ(At(17, W, H, S, 5), Region::Polygon({{80, 60 - 38}, {80 + 50, 60}, {80, 60 + 38}, {80 - 50, 60}}));
}

TEST(PolygonEffects, ChaosStarSpikeTurnsByOneRadian) {
  // Frame 1 of S = 10 on 200 x 100: spike lengths 10 (i H / S) and 20 (i W / S).
  // Its corners: (100 + Round(cos 1 * 10), 50 + Round(sin 1 * 20)) = (105, 67)
  // and (100 + Round(cos(1 + pi/2) * 10), 50 + Round(sin(1 + pi/2) * 20)) = (92, 61).
  EXPECT_EQ(At(9, 200, 100, 10, 1), Region::Polygon({{100, 50}, {105, 67}, {92, 61}}));
  EXPECT_TRUE(At(9, 200, 100, 10, 0).IsEmpty());
}

}  // namespace
}  // namespace lw

namespace lw {
namespace {

class PolygonEffectsRun : public TransitionTest {};

TEST_F(PolygonEffectsRun, FramesShowTheRegionsSoFar) {
  const int32_t W = 120, H = 90, S = 10;
  for (int32_t local = 1; local <= 19; ++local) {
    SCOPED_TRACE(76 + local);
    std::vector<std::optional<Region>> regions;
    for (int64_t i = 0; i <= S;) {
      regions.push_back(PolygonRegion(local, W, H, S, i));
      ++i;
    }
    ExpectFramesRevealRegions(RunEffectOnMemory(76 + local, W, H, S), regions);
  }
}

TEST_F(PolygonEffectsRun, FrameCounts) {
  EffectRunOptions options;
  options.snapshots = false;
  struct Case {
    int32_t effect, steps, waits;
  } cases[] = {{77, 40, 41}, {95, 8, 9}, {87, 40, 22}, {87, 41, 23}, {87, 2, 3}, {87, 1, 2}};
  for (const Case& c : cases) {
    EffectRun run = RunEffectOnMemory(c.effect, 160, 120, c.steps, options);
    EXPECT_EQ(run.waits, c.waits) << c.effect << " at " << c.steps;
    EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
  }
}

TEST_F(PolygonEffectsRun, NoStepsEndSilentlyOnTheOldFrame) {
  for (int32_t effect : {77, 85, 87, 95}) {
    EffectRun run = RunEffectOnMemory(effect, 40, 30, 0);
    EXPECT_EQ(run.waits, 0) << effect;
    EXPECT_TRUE(FrameEquals(run.target, run.oldFrame)) << effect;
  }
}

}  // namespace
}  // namespace lw
