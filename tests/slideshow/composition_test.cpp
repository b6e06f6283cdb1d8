#include "slideshow/composition.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

constexpr uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu;

TEST(ApplyFilters, AllThreeMirrorThenFlipThenGrey) {
  Bitmap b(2, 2);
  b.At(0, 0) = 0xFF010203u;  // R 1, G 2, B 3: 2.2 -> 2
  b.At(1, 0) = kGreen;       // 153
  b.At(0, 1) = kRed;         // 25.5 -> 26
  b.At(1, 1) = 0x800000FFu;  // blue 255: 76.5 -> 76, alpha kept
  ApplyFilters(b, 7);
  EXPECT_EQ(b.At(0, 0), 0x804C4C4Cu);
  EXPECT_EQ(b.At(1, 0), 0xFF1A1A1Au);
  EXPECT_EQ(b.At(0, 1), 0xFF999999u);
  EXPECT_EQ(b.At(1, 1), 0xFF020202u);
}

TEST(ApplyFilters, SingleBits) {
  Bitmap b(3, 1);
  b.At(0, 0) = 1;
  b.At(2, 0) = 3;
  ApplyFilters(b, 1);
  EXPECT_EQ(b.At(0, 0), 3u);
  Bitmap c(1, 2);
  c.At(0, 0) = 1;
  ApplyFilters(c, 2);
  EXPECT_EQ(c.At(0, 1), 1u);
  ApplyFilters(c, 8);  // not a filter bit
  EXPECT_EQ(c.At(0, 1), 1u);
}

TEST(ApplyFilters, GreyRoundsExactHalvesToEven) {
  struct Case {
    uint32_t pixel;
    uint32_t grey;
  };
  const Case cases[] = {
      {0xFF050000u, 0},    // R 5: 0.5 -> 0
      {0xFF0F0000u, 2},    // R 15: 1.5 -> 2
      {0xFF190000u, 2},    // R 25: 2.5 -> 2
      {0xFF000005u, 2},    // B 5: 1.5 -> 2
      {0xFF000105u, 2},    // B 5, G 1: 2.1 -> 2
      {0xFFFFFFFFu, 255},
  };
  for (const Case& c : cases) {
    Bitmap b(1, 1, c.pixel);
    ApplyFilters(b, 4);
    EXPECT_EQ(b.At(0, 0) & 0xFF, c.grey) << std::hex << c.pixel;
  }
}

TEST(ReplaceColor, OnlyExactMatchesBecomeTransparentBackColour) {
  Bitmap b(3, 1);
  b.At(0, 0) = 0xFF123456u;
  b.At(1, 0) = 0x7F123456u;  // same colour, other alpha
  b.At(2, 0) = 0xFF123457u;
  ReplaceColor(b, 0xFF123456u, RGBValue(0xAA, 0xBB, 0xCC));
  EXPECT_EQ(b.At(0, 0), 0x00AABBCCu);
  EXPECT_EQ(b.At(1, 0), 0x7F123456u);
  EXPECT_EQ(b.At(2, 0), 0xFF123457u);
}

TEST(FlattenOntoTransparent, EqualsDrawingOnATransparentBitmap) {
  Bitmap picture(4, 2, kRed);
  picture.At(1, 0) = 0x80FF8040u;
  picture.At(2, 0) = 0;
  picture.At(3, 1) = 0x01FFFFFFu;
  Bitmap drawn(4, 2);
  DrawPicture(drawn, 0, 0, picture);
  FlattenOntoTransparent(picture);
  EXPECT_EQ(picture.pixels, drawn.pixels);
  EXPECT_EQ(picture.At(0, 1), kRed);
}

TEST(DrawIntoRect, StretchesInsideTheRectAndLeavesTheRest) {
  Bitmap target(100, 50, kGreen);
  Bitmap picture(4, 2, kRed);
  DrawIntoRect(picture, target, Rect{10, 5, 90, 45}, true, nullptr);
  EXPECT_EQ(target.At(9, 20), kGreen);
  EXPECT_EQ(target.At(10, 5), kRed);
  EXPECT_EQ(target.At(89, 44), kRed);
  EXPECT_EQ(target.At(90, 44), kGreen);
  EXPECT_EQ(target.At(50, 45), kGreen);
}

TEST(DrawIntoRect, TransparentPixelsShowTheTargetUnlessMadeOpaque) {
  Bitmap picture(2, 1);
  picture.At(0, 0) = 0;  // transparent black
  picture.At(1, 0) = kRed;
  Bitmap target(2, 1, kGreen);
  DrawIntoRect(picture, target, Rect{0, 0, 2, 1}, false, nullptr);
  EXPECT_EQ(target.At(0, 0), kGreen);
  EXPECT_EQ(target.At(1, 0), kRed);

  Bitmap opaqueTarget(2, 1, kGreen);
  DrawIntoRect(picture, opaqueTarget, Rect{0, 0, 2, 1}, true, nullptr);
  EXPECT_EQ(opaqueTarget.At(0, 0), 0xFF000000u);
}

TEST(DrawIntoRect, MaskIsStretchedAndItsBlueChannelIsTheAlpha) {
  Bitmap target(100, 50, kGreen);
  Bitmap picture(10, 10, kRed);
  Bitmap mask(2, 1);
  mask.At(0, 0) = 0xFF000000u;  // black: transparent
  mask.At(1, 0) = 0xFF0000FFu;  // blue 255 counts as white
  DrawIntoRect(picture, target, Rect{0, 0, 100, 50}, true, &mask);
  EXPECT_EQ(target.At(5, 25), kGreen);
  EXPECT_EQ(target.At(95, 25), kRed);
  // Between the two mask pixels the opacity rises smoothly.
  const uint32_t mid = target.At(50, 25);
  EXPECT_GT((mid >> 16) & 0xFF, 0x20u);
  EXPECT_LT((mid >> 16) & 0xFF, 0xE0u);
}

TEST(DrawIntoRect, TransparentPixelsUnderAMaskShowBlackWeightedByIt) {
  Bitmap target(2, 1, kGreen);
  Bitmap picture(2, 1, 0);  // a GIF's transparent pixels
  Bitmap mask(2, 1, 0xFFFFFFFFu);
  mask.At(1, 0) = 0xFF000080u;
  DrawIntoRect(picture, target, Rect{0, 0, 2, 1}, false, &mask);
  EXPECT_EQ(target.At(0, 0), 0xFF000000u);
  EXPECT_EQ((target.At(1, 0) >> 8) & 0xFF, 0x7Fu);  // green halved
}

TEST(DrawIntoRect, EmptyMaskHidesThePicture) {
  Bitmap target(10, 10, kGreen);
  Bitmap picture(5, 5, kRed);
  Bitmap mask;
  DrawIntoRect(picture, target, Rect{0, 0, 10, 10}, true, &mask);
  for (uint32_t p : target.pixels) ASSERT_EQ(p, kGreen);
}

TEST(DrawIntoRect, RectReachingBeyondTheTargetDrawsTheSamePixels) {
  Bitmap picture(7, 5);
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 7; ++x) picture.At(x, y) = 0xFF000000u | static_cast<uint32_t>(x * 40 << 16 | y * 60);
  Bitmap mask(3, 3, 0xFFFFFFFFu);
  mask.At(1, 1) = 0xFF000000u;
  // Reference: the same rect wholly inside a larger target, 30 and 20 further in.
  Bitmap big(130, 100, kGreen);
  DrawIntoRect(picture, big, Rect{0, 0, 100, 80}, true, &mask);
  Bitmap small(50, 40, kGreen);
  DrawIntoRect(picture, small, Rect{-30, -20, 70, 60}, true, &mask);
  for (int32_t y = 0; y < 40; ++y)
    for (int32_t x = 0; x < 50; ++x) ASSERT_EQ(small.At(x, y), big.At(x + 30, y + 20)) << x << "," << y;
}

TEST(DrawIntoRect, RectOutsideTheTargetChangesNothing) {
  Bitmap target(10, 10, kGreen);
  Bitmap picture(5, 5, kRed);
  DrawIntoRect(picture, target, Rect{20, 0, 30, 10}, true, nullptr);
  for (uint32_t p : target.pixels) ASSERT_EQ(p, kGreen);
}

}  // namespace
}  // namespace lw
