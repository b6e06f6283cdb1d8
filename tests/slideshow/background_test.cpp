#include "slideshow/background.h"

#include <gtest/gtest.h>

#include "common/random.h"
#include "slideshow/placement.h"

namespace lw {
namespace {

constexpr uint32_t kGround = 0xFF202020u, kMark = 0xFFFF0000u, kTile = 0xFF00FF00u;

TEST(DrawBackgroundPicture, TilesFromTheCornerAndClipsTheLastOnes) {
  Bitmap canvas(1024, 768, kGround);
  Bitmap tile(100, 80, kTile);
  tile.At(0, 0) = kMark;
  DrawBackgroundPicture(canvas, 1024, 768, 0, tile);
  int marks = 0;
  for (int32_t y = 0; y < 768; ++y)
    for (int32_t x = 0; x < 1024; ++x)
      if (canvas.At(x, y) == kMark) {
        ++marks;
        EXPECT_EQ(x % 100, 0);
        EXPECT_EQ(y % 80, 0);
      }
  EXPECT_EQ(marks, 11 * 10);
  EXPECT_EQ(canvas.At(1023, 767), kTile);
}

TEST(DrawBackgroundPicture, TransparentTilesShowTheGradient) {
  Bitmap canvas(50, 50, kGround);
  Bitmap tile(10, 10, kTile);
  tile.At(3, 3) = 0;
  DrawBackgroundPicture(canvas, 50, 50, 0, tile);
  EXPECT_EQ(canvas.At(43, 13), kGround);
  EXPECT_EQ(canvas.At(44, 13), kTile);
}

TEST(DrawBackgroundPicture, EmptyPictureIsNotTiled) {
  Bitmap canvas(50, 50, kGround);
  Bitmap empty;
  DrawBackgroundPicture(canvas, 50, 50, 0, empty);
  for (uint32_t p : canvas.pixels) ASSERT_EQ(p, kGround);
}

TEST(DrawBackgroundPicture, CentredWhenItFitsAndFittedOtherwise) {
  Bitmap small(10, 6, kTile);
  Bitmap canvas(40, 30, kGround);
  DrawBackgroundPicture(canvas, 40, 30, 2, small);
  EXPECT_EQ(canvas.At(15, 12), kTile);
  EXPECT_EQ(canvas.At(14, 12), kGround);
  EXPECT_EQ(canvas.At(24, 17), kTile);
  EXPECT_EQ(canvas.At(25, 17), kGround);

  // Larger than the area: mode 2 gives the same as fitting (mode 1).
  Bitmap big(80, 20, kTile);
  big.At(79, 19) = kMark;
  Bitmap centred(40, 30, kGround), fitted(40, 30, kGround);
  DrawBackgroundPicture(centred, 40, 30, 2, big);
  DrawBackgroundPicture(fitted, 40, 30, 1, big);
  EXPECT_EQ(centred.pixels, fitted.pixels);
  const Rect r = FitRect(40, 30, 80, 20);  // (0, 10, 40, 20)
  EXPECT_EQ(fitted.At(20, r.top), kTile);
  EXPECT_EQ(fitted.At(20, r.top - 1), kGround);
}

TEST(DrawScaledOnCanvas, TransparentPartsShowBlack) {
  Bitmap canvas(20, 20, kGround);
  Bitmap picture(2, 2, 0);  // fully transparent
  DrawScaledOnCanvas(picture, canvas, Rect{5, 5, 15, 15}, 20, 20);
  EXPECT_EQ(canvas.At(10, 10), 0xFF000000u);
  EXPECT_EQ(canvas.At(4, 10), kGround);
}

TEST(DrawScaledOnCanvas, NothingForAnEmptyAreaOrRect) {
  Bitmap canvas(20, 20, kGround);
  Bitmap picture(2, 2, kTile);
  DrawScaledOnCanvas(picture, canvas, Rect{5, 5, 15, 15}, 0, 20);
  DrawScaledOnCanvas(picture, canvas, Rect{15, 5, 5, 15}, 20, 20);
  for (uint32_t p : canvas.pixels) ASSERT_EQ(p, kGround);
}

TEST(RandomColorValue, DrawsRedThenGreenThenBlue) {
  SetRandSeed(77);
  const int32_t r = Random(256), g = Random(256), b = Random(256);
  SetRandSeed(77);
  EXPECT_EQ(RandomColorValue(), RGBValue(uint8_t(r), uint8_t(g), uint8_t(b)));
}

}  // namespace
}  // namespace lw
