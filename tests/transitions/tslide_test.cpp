#include "transitions/tslide.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

struct SlideFrame {
  Rect dst, src;
  bool more;
};

TEST(TSlide, FullFrameFromLeftMovesBeforeDrawingAndClipsToItsPlace) {
  Bitmap image(800, 600);
  TSlide s;
  s.Init(-800, 0, 4, 200.0, 0.0, 0, 0, 800, 600, image);
  const SlideFrame expected[] = {
      {{0, 0, 200, 600}, {600, 0, 800, 600}, true},
      {{0, 0, 400, 600}, {400, 0, 800, 600}, true},
      {{0, 0, 600, 600}, {200, 0, 800, 600}, true},
      {{0, 0, 800, 600}, {0, 0, 800, 600}, false},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(s.Step(), e.more);
    EXPECT_EQ(s.DstRect, e.dst);
    EXPECT_EQ(s.SrcRect, e.src);
  }
  // Spent: no movement and nothing more to paint.
  EXPECT_FALSE(s.Step());
  EXPECT_EQ(s.X, 0.0);
  EXPECT_EQ(s.DstRect, Rect{});
  EXPECT_EQ(s.SrcRect, Rect{});
}

TEST(TSlide, SpansForOffsetsAroundTheRestingRectangle) {
  // Resting rectangle (100, 20, 300, 70); one step from offset 0 by (dx, dy).
  struct Case {
    double dx, dy;
    Rect dst, src;
  } cases[] = {
      {75, 0, {175, 20, 300, 70}, {100, 20, 225, 70}},     // moved right: left edge of content enters
      {-75, 0, {100, 20, 225, 70}, {175, 20, 300, 70}},    // moved left
      {0, 30, {100, 50, 300, 70}, {100, 20, 300, 40}},     // moved down
      {0, -30, {100, 20, 300, 40}, {100, 50, 300, 70}},    // moved up
      {200, 0, {300, 20, 300, 70}, {100, 20, 100, 70}},    // exactly at the edge: visible, empty
      {-200, 0, {100, 20, 100, 70}, {300, 20, 300, 70}},
      {201, 0, {}, {}},                                    // wholly out: the empty marker
      {-201, 0, {}, {}},
      {0, 51, {}, {}},
      {0.5, 0, {100, 20, 300, 70}, {100, 20, 300, 70}},    // halves round to even
      {1.5, 0, {102, 20, 300, 70}, {100, 20, 298, 70}},
      {-0.5, 0, {100, 20, 300, 70}, {100, 20, 300, 70}},
      {-2.5, 0, {100, 20, 298, 70}, {102, 20, 300, 70}},
  };
  Bitmap image(400, 100);
  for (const auto& c : cases) {
    TSlide s;
    s.Init(0, 0, 1, c.dx, c.dy, 100, 20, 300, 70, image);
    EXPECT_FALSE(s.Step());
    EXPECT_EQ(s.DstRect, c.dst) << c.dx << "," << c.dy;
    EXPECT_EQ(s.SrcRect, c.src) << c.dx << "," << c.dy;
  }
}

TEST(TSlide, NoStepsLeftDoesNothing) {
  Bitmap image(10, 10);
  for (int32_t steps : {0, -3}) {
    TSlide s;
    s.Init(-10, 0, steps, 5.0, 0.0, 0, 0, 10, 10, image);
    EXPECT_FALSE(s.Step());
    EXPECT_EQ(s.X, -10.0);
    EXPECT_EQ(s.DstRect, Rect{});
  }
}

}  // namespace
}  // namespace lw
