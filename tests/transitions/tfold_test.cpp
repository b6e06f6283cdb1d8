#include "transitions/tfold.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(TFold, UsesItsPositionBeforeMoving) {
  Bitmap image(640, 480);
  TFold f;
  f.Init(0, 0, 160, 480, 4, 160.0, 0.0, image);
  const int32_t lefts[] = {0, 160, 320, 480};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(f.Step(), i < 3);
    EXPECT_EQ(f.Rect1, (Rect{lefts[i], 0, lefts[i] + 160, 480}));
    EXPECT_EQ(f.Rect2, f.Rect1);
  }
  EXPECT_EQ(f.X, 640.0);
  EXPECT_FALSE(f.Step());
  EXPECT_EQ(f.X, 640.0);
}

TEST(TFold, NegativeExtentFromTheFarEdgeTakesAnExtraEmptyStep) {
  Bitmap image(640, 480);
  TFold f;
  f.Init(640, 0, -160, 480, 5, -160.0, 0.0, image);
  const Rect expected[] = {{480, 0, 640, 480}, {320, 0, 480, 480}, {160, 0, 320, 480},
                           {0, 0, 160, 480},   {0, 0, 0, 480}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(f.Step(), i < 4);
    EXPECT_EQ(f.Rect1, expected[i]) << i;
  }
}

TEST(TFold, PlacementAndVisibility) {
  // One step on a 100 x 50 image from anchor (x, y) with extent (ex, ey).
  struct Case {
    int32_t x, y, ex, ey;
    Rect rect;
  } cases[] = {
      {-30, 10, 50, 20, {0, 10, 20, 30}},      // clipped on the left
      {80, 40, 50, 30, {80, 40, 100, 50}},     // clipped right and bottom
      {20, 45, 30, -60, {20, 0, 50, 45}},      // negative extent, normalised and clipped at the top
      {100, 0, 10, 50, {100, 0, 100, 50}},     // anchor on the far edge: visible, nothing to copy
      {-10, 0, 120, 50, {}},                   // spans the image but both edges outside: invisible
      {102, 0, -1, 50, {}},                    // both edges beyond the right edge
      {101, 0, -1, 50, {100, 0, 100, 50}},     // one edge on it: visible
      {101, 0, -2, 50, {99, 0, 100, 50}},      // the far edge reaches back in
      {10, -20, 30, 15, {}},                   // visible on x, not on y
      {10, 50, 30, 5, {10, 50, 40, 50}},       // y anchor on the bottom edge
  };
  Bitmap image(100, 50);
  for (const auto& c : cases) {
    TFold f;
    f.Init(c.x, c.y, c.ex, c.ey, 1, 0.0, 0.0, image);
    f.Step();
    EXPECT_EQ(f.Rect1, c.rect) << c.x << "," << c.y << " " << c.ex << "," << c.ey;
    EXPECT_EQ(f.Rect2, f.Rect1);
  }
}

TEST(TFold, EdgesRoundHalfToEvenAtPaintTime) {
  Bitmap image(100, 50);
  TFold f;
  f.Init(0, 0, 2, 50, 3, 0.5, 0.0, image);
  f.Step();  // 0 .. 2
  EXPECT_EQ(f.Rect1, (Rect{0, 0, 2, 50}));
  f.Step();  // 0.5 .. 2.5 -> 0 .. 2
  EXPECT_EQ(f.Rect1, (Rect{0, 0, 2, 50}));
  f.Step();  // 1 .. 3
  EXPECT_EQ(f.Rect1, (Rect{1, 0, 3, 50}));
}

}  // namespace
}  // namespace lw
