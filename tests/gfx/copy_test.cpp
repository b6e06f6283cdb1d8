#include "gfx/copy.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

// Pixel value that names its own coordinates.
uint32_t Tag(int32_t x, int32_t y) { return 0xFF000000u | (static_cast<uint32_t>(y) << 8) | static_cast<uint32_t>(x); }

Bitmap Tagged(int32_t w, int32_t h) {
  Bitmap b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.At(x, y) = Tag(x, y);
  return b;
}

TEST(GfxCopyRect, SameSizeCopiesEveryByteAndOnlyTheRectangle) {
  Bitmap src = Tagged(8, 6);
  src.At(3, 2) = 0x12345678;  // alpha travels too
  Bitmap dst(10, 10, 0);
  CopyRect(dst, Rect{4, 5, 8, 8}, src, Rect{2, 1, 6, 4});
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 10; ++x) {
      const bool inside = x >= 4 && x < 8 && y >= 5 && y < 8;
      EXPECT_EQ(dst.At(x, y), inside ? src.At(x - 2, y - 4) : 0u) << x << "," << y;
    }
  EXPECT_EQ(dst.At(5, 6), 0x12345678u);
}

TEST(GfxCopyRect, EmptyOrInvertedRectangleCopiesNothing) {
  const Bitmap src = Tagged(4, 4);
  const Rect cases[][2] = {
      {Rect{0, 0, 0, 4}, Rect{0, 0, 4, 4}},  // empty destination
      {Rect{0, 0, 4, 4}, Rect{2, 0, 2, 4}},  // empty source
      {Rect{3, 0, 1, 4}, Rect{0, 0, 2, 4}},  // right of left
      {Rect{0, 0, 4, 4}, Rect{0, 3, 4, 1}},  // bottom above top
  };
  for (const auto& c : cases) {
    Bitmap dst(4, 4, 7);
    CopyRect(dst, c[0], src, c[1]);
    for (uint32_t p : dst.pixels) EXPECT_EQ(p, 7u);
  }
}

TEST(GfxCopyRect, ClipsToBothBitmaps) {
  const Bitmap src = Tagged(5, 5);
  Bitmap dst(6, 6, 0);
  // Destination sticks out left and top; source sticks out right and bottom.
  CopyRect(dst, Rect{-2, -1, 4, 5}, src, Rect{1, 2, 7, 8});
  for (int32_t y = 0; y < 6; ++y)
    for (int32_t x = 0; x < 6; ++x) {
      const int32_t sx = x + 3, sy = y + 3;
      const bool copied = x < 4 && y < 5 && sx < 5 && sy < 5;
      EXPECT_EQ(dst.At(x, y), copied ? Tag(sx, sy) : 0u) << x << "," << y;
    }
}

TEST(GfxCopyRect, StretchSamplesNearestPixelCentres) {
  const Bitmap src = Tagged(4, 2);
  Bitmap dst(8, 2, 0);
  CopyRect(dst, Rect{0, 0, 8, 2}, src, Rect{0, 0, 4, 2});
  for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(dst.At(x, 1), Tag(x / 2, 1));

  Bitmap small(2, 1, 0);
  CopyRect(small, Rect{0, 0, 2, 1}, src, Rect{0, 0, 4, 2});
  EXPECT_EQ(small.At(0, 0), Tag(1, 1));  // centre of the first 2x2 block lies at (1, 1)
  EXPECT_EQ(small.At(1, 0), Tag(3, 1));
}

TEST(GfxCopyRect, OnePixelColumnFillsTheWholeDestination) {
  const Bitmap src = Tagged(10, 3);
  Bitmap dst(10, 3, 0);
  CopyRect(dst, Rect{4, 0, 10, 3}, src, Rect{4, 0, 5, 3});
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 10; ++x) EXPECT_EQ(dst.At(x, y), x < 4 ? 0u : Tag(4, y));
}

TEST(GfxCopyRect, StretchedCopyClipsWithoutShiftingTheSamples) {
  const Bitmap src = Tagged(4, 4);
  Bitmap whole(8, 8, 0), clipped(5, 5, 0);
  CopyRect(whole, Rect{0, 0, 8, 8}, src, src.BoundsRect());
  CopyRect(clipped, Rect{-3, -3, 5, 5}, src, src.BoundsRect());
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(clipped.At(x, y), whole.At(x + 3, y + 3));
}

TEST(GfxCopyRect, SourceRectangleOutsideTheSourceLeavesDestination) {
  const Bitmap src = Tagged(4, 4);
  Bitmap dst(4, 4, 9);
  CopyRect(dst, Rect{0, 0, 4, 4}, src, Rect{10, 10, 14, 14});
  CopyRect(dst, Rect{0, 0, 8, 8}, src, Rect{-20, 0, -10, 4});
  for (uint32_t p : dst.pixels) EXPECT_EQ(p, 9u);
}

}  // namespace
}  // namespace lw
