#include "slideshow/gradient.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/arith.h"
#include "gfx/pixels.h"
#include "gfx/region.h"

namespace lw {
namespace {

constexpr ColorValue kBlack = 0, kWhite = 0xFFFFFF;

uint32_t Grey(uint32_t v) { return 0xFF000000u | v << 16 | v << 8 | v; }

TEST(PaintGradient, HorizontalBandsOn1024x768) {
  Bitmap b(1024, 768);
  PaintGradient(b, 1, kBlack, kWhite, b.BoundsRect());
  for (int32_t y : {0, 1, 2}) EXPECT_EQ(b.At(500, y), Grey(0)) << y;
  EXPECT_EQ(b.At(500, 3), Grey(1));
  // Band 128 covers rows 384..386; MulDiv(128, 255, 255) = 128.
  for (int32_t y : {384, 386}) EXPECT_EQ(b.At(7, y), Grey(128)) << y;
  for (int32_t y : {765, 766, 767}) EXPECT_EQ(b.At(1023, y), Grey(255)) << y;
  for (int32_t x = 0; x < 1024; ++x) ASSERT_EQ(b.At(x, 385), Grey(128));
}

TEST(PaintGradient, ChannelsComeFromTheColourBytesRedLowest) {
  Bitmap b(16, 256);
  PaintGradient(b, 1, RGBValue(10, 20, 30), RGBValue(250, 20, 0), b.BoundsRect());
  EXPECT_EQ(b.At(0, 0), 0xFF0A141Eu);
  EXPECT_EQ(b.At(0, 255), 0xFFFA1400u);
  // A system colour's bytes are used as they are.
  PaintGradient(b, 2, static_cast<ColorValue>(0xFF000005), static_cast<ColorValue>(0xFF000005), b.BoundsRect());
  for (uint32_t p : b.pixels) ASSERT_EQ(p, 0xFF050000u);
}

TEST(PaintGradient, MirroredRowsOnFiveRows) {
  Bitmap b(3, 5);
  const ColorValue c1 = RGBValue(0, 0, 0), c2 = RGBValue(200, 100, 50);
  PaintGradient(b, 5, c1, c2, b.BoundsRect());
  const uint32_t step0 = 0xFF000000u, step1 = 0xFF643219u, step2 = 0xFFC86432u;
  const uint32_t rows[5] = {step0, step1, step2, step1, step0};
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 3; ++x) EXPECT_EQ(b.At(x, y), rows[y]) << y;
}

TEST(PaintGradient, MirroredColumnsMeetInTheMiddleColumn) {
  Bitmap b(7, 2);
  PaintGradient(b, 6, kBlack, kWhite, b.BoundsRect());
  // n = 3: colours 0, 85, 170, 255 from both sides.
  const uint32_t cols[7] = {Grey(0), Grey(85), Grey(170), Grey(255), Grey(170), Grey(85), Grey(0)};
  for (int32_t x = 0; x < 7; ++x) EXPECT_EQ(b.At(x, 1), cols[x]) << x;
}

TEST(PaintGradient, EveryStylePaintsEveryPixel) {
  // Every step's colour has green + blue near 200, so a pixel that no shape
  // painted (left black) or the canvas's old content would show.
  for (int32_t style = 1; style <= 8; ++style) {
    for (auto [w, h] : {std::pair{1024, 768}, std::pair{333, 250}, std::pair{37, 23}}) {
      if (w == 1024 && style != 3) continue;  // the ellipses' corners are the case to watch
      Bitmap b(w, h, 0x12345678u);
      PaintGradient(b, style, RGBValue(0, 200, 0), RGBValue(0, 0, 200), b.BoundsRect());
      for (uint32_t p : b.pixels) {
        const uint32_t sum = ((p >> 8) & 0xFF) + (p & 0xFF);
        ASSERT_TRUE(p >> 24 == 0xFF && (p >> 16 & 0xFF) == 0 && sum >= 199 && sum <= 201)
            << "style " << style << " " << w << "x" << h << " " << std::hex << p;
      }
    }
  }
}

TEST(PaintGradient, EllipsesRunFromTheCornersToColour2NearTheCentre) {
  Bitmap b(1024, 768);
  PaintGradient(b, 3, kBlack, kWhite, b.BoundsRect());
  // The corners lie in the first few ellipses only.
  for (auto [x, y] : {std::pair{0, 0}, std::pair{1023, 0}, std::pair{0, 767}, std::pair{1023, 767}})
    EXPECT_LT(b.At(x, y) & 0xFF, 16u) << x << "," << y;
  // The last ellipse, a few pixels wide around (W/2 + 2, H/2 + 2), is colour2.
  int whites = 0;
  for (int32_t y = 380; y < 393; ++y)
    for (int32_t x = 508; x < 521; ++x) whites += b.At(x, y) == Grey(255);
  EXPECT_GT(whites, 0);
  EXPECT_LT(whites, 40);
}

TEST(PaintGradient, FansMeetInTheCornersByColour) {
  Bitmap b(400, 300);
  PaintGradient(b, 7, kBlack, kWhite, b.BoundsRect());
  EXPECT_LT(b.At(1, 1) & 0xFF, 8u);
  EXPECT_LT(b.At(398, 298) & 0xFF, 8u);
  EXPECT_GT(b.At(398, 1) & 0xFF, 247u);
  EXPECT_GT(b.At(1, 298) & 0xFF, 247u);
}

TEST(PaintGradient, QuadrilateralsStartInColour1AndEndOnTheDiagonal) {
  Bitmap b(400, 300);
  PaintGradient(b, 8, kBlack, kWhite, b.BoundsRect());
  EXPECT_EQ(b.At(0, 0), Grey(0));
  EXPECT_EQ(b.At(399, 299), Grey(0));
  EXPECT_GT(b.At(200, 150) & 0xFF, 240u);
}

TEST(PaintGradient, UnknownStylePaintsColour1) {
  Bitmap b(5, 5);
  PaintGradient(b, 0, RGBValue(1, 2, 3), kWhite, b.BoundsRect());
  for (uint32_t p : b.pixels) ASSERT_EQ(p, 0xFF010203u);
}

// The shapes of the nested styles painted one after the other, in full, as
// their definition reads.
void FillRegion(Bitmap& b, const Region& r, uint32_t c) {
  for (const Region::Band& band : r.Bands())
    for (int32_t y = std::max(band.top, 0); y < std::min(band.bottom, b.height); ++y)
      for (const Region::Span& s : band.spans)
        for (int32_t x = std::max(s.left, 0); x < std::min(s.right, b.width); ++x) b.At(x, y) = c;
}

uint32_t StepColor(int32_t i, int32_t n) {
  const uint32_t v = static_cast<uint32_t>(MulDiv(i, 255, n)) & 0xFF;
  return Grey(v);
}

Bitmap NestedReference(int32_t style, int32_t W, int32_t H) {
  Bitmap b(W, H, 0xFF000000u);
  if (style == 3) {
    double x1 = -W / 4.0, x2 = W + W / 4.0 + 4, y1 = -H / 4.0, y2 = H + H / 4.0 + 4;
    const double dx = (W / 4.0 + W / 2.0) / 155, dy = (H / 4.0 + H / 2.0) / 155;
    for (int32_t i = 0; i <= 155; ++i) {
      x1 += dx, x2 -= dx, y1 += dy, y2 -= dy;
      FillRegion(b,
                 Region::Ellipse(Rect{int32_t(Trunc(x1)), int32_t(Trunc(y1)), int32_t(Trunc(x2)), int32_t(Trunc(y2))}),
                 StepColor(i, 155));
    }
  } else if (style == 4) {
    double x1 = 0, x2 = W, y1 = 0, y2 = H;
    const double dx = W / 2.0 / 255, dy = H / 2.0 / 255;
    for (int32_t i = 0; i <= 255; ++i) {
      FillRect(b, Rect{int32_t(Trunc(x1)), int32_t(Trunc(y1)), int32_t(Trunc(x2)), int32_t(Trunc(y2))},
               StepColor(i, 255));
      x1 += dx, x2 -= dx, y1 += dy, y2 -= dy;
    }
  } else {
    for (int32_t i = 0; i <= 255; ++i) {
      const int32_t a = MulDiv(i, W / 2, 255), c = MulDiv(i, H / 2, 255);
      FillRegion(b, Region::Polygon({{a, c}, {0, H}, {W - a, H - c}, {W, 0}}), StepColor(i, 255));
    }
  }
  return b;
}

TEST(PaintGradient, NestedStylesEqualPaintingEveryShapeInFull) {
  for (int32_t style : {3, 4, 8}) {
    for (auto [w, h] : {std::pair{160, 120}, std::pair{97, 131}, std::pair{3, 200}}) {
      Bitmap b(w, h);
      PaintGradient(b, style, kBlack, kWhite, b.BoundsRect());
      Bitmap ref = NestedReference(style, w, h);
      ASSERT_EQ(b.pixels, ref.pixels) << "style " << style << " " << w << "x" << h;
    }
  }
}

TEST(PaintGradient, PaintsOnlyTheAreaOfALargerCanvas) {
  Bitmap b(20, 20, 0xFF0000FFu);
  PaintGradient(b, 1, kBlack, kBlack, Rect{0, 0, 10, 10});
  EXPECT_EQ(b.At(9, 9), 0xFF000000u);
  EXPECT_EQ(b.At(10, 9), 0xFF0000FFu);
  EXPECT_EQ(b.At(9, 10), 0xFF0000FFu);
}

}  // namespace
}  // namespace lw
