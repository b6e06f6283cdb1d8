#include "gfx/draw.h"

#include <gtest/gtest.h>

#include "gfx/blend.h"
#include "gfx/pixels.h"
#include "gfx/transform.h"

namespace lw {
namespace {

uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) { return (a << 24) | (r << 16) | (g << 8) | b; }

// src·a + dst·(1 − a) per channel with a = weight/255, in doubles, rounded.
uint32_t Expected(uint32_t s, uint32_t d, double a) {
  uint32_t r = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const double v = ((s >> shift) & 0xFF) * a + ((d >> shift) & 0xFF) * (1 - a);
    r |= static_cast<uint32_t>(v + 0.5) << shift;
  }
  return r;
}

TEST(GfxDraw, OpaqueDrawCopiesWhateverTheAlpha) {
  Bitmap src(3, 2, Argb(0, 10, 20, 30));
  src.masterAlpha = 10;  // ignored when opaque
  Bitmap dst(5, 4, Argb(255, 1, 1, 1));
  Draw(dst, 1, 1, src);
  EXPECT_EQ(dst.At(1, 1), Argb(0, 10, 20, 30));
  EXPECT_EQ(dst.At(3, 2), Argb(0, 10, 20, 30));
  EXPECT_EQ(dst.At(0, 1), Argb(255, 1, 1, 1));
  EXPECT_EQ(dst.At(4, 3), Argb(255, 1, 1, 1));
}

TEST(GfxDraw, BlendWeighsByPixelAlphaTimesMasterAlpha) {
  struct Case {
    uint32_t alpha, master;
  };
  const Case cases[] = {{255, 255}, {255, 191}, {255, 0}, {0, 255}, {128, 255}, {200, 100}, {1, 1}};
  const uint32_t under = Argb(255, 200, 100, 0);
  for (const Case& c : cases) {
    // Seven pixels: the four-pixel body and the remainder both get checked.
    Bitmap src(7, 1, Argb(c.alpha, 10, 250, 128));
    src.drawMode = DrawMode::kBlend;
    src.masterAlpha = static_cast<uint8_t>(c.master);
    Bitmap dst(7, 1, under);
    Draw(dst, 0, 0, src);
    const double a = c.alpha / 255.0 * c.master / 255.0;
    for (int32_t x = 0; x < 7; ++x) {
      const uint32_t got = dst.At(x, 0), want = Expected(src.At(x, 0), under, a);
      for (int shift = 0; shift < 32; shift += 8)
        EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF), static_cast<int>((want >> shift) & 0xFF), 1)
            << "alpha " << c.alpha << " master " << c.master << " x " << x;
    }
  }
}

TEST(GfxDraw, OneTransparentPixelDeepInALongRowKeepsItsAlpha) {
  for (int32_t where : {3, 70, 150, 199}) {
    Bitmap src(200, 1, Argb(255, 250, 250, 250));
    src.At(where, 0) = Argb(0, 250, 250, 250);
    src.drawMode = DrawMode::kBlend;
    src.masterAlpha = 128;
    Bitmap dst(200, 1, Argb(255, 0, 0, 0));
    Draw(dst, 0, 0, src);
    EXPECT_EQ(dst.At(where, 0), Argb(255, 0, 0, 0)) << where;
    EXPECT_EQ(dst.At((where + 1) % 200, 0), Expected(src.At(0, 0), Argb(255, 0, 0, 0), 128 / 255.0)) << where;
  }
}

TEST(GfxDraw, FullAndZeroWeightsAreExact) {
  Bitmap src(5, 1, Argb(255, 1, 2, 3));
  src.drawMode = DrawMode::kBlend;
  Bitmap dst(5, 1, Argb(255, 9, 9, 9));
  Draw(dst, 0, 0, src);
  EXPECT_EQ(dst.At(4, 0), Argb(255, 1, 2, 3));
  src.masterAlpha = 0;
  Fill(dst, Argb(255, 9, 9, 9));
  Draw(dst, 0, 0, src);
  EXPECT_EQ(dst.At(4, 0), Argb(255, 9, 9, 9));
}

TEST(GfxDraw, BlendRowConstMatchesRoundedFormulaForAllWeights) {
  for (uint32_t w = 0; w <= 255; ++w) {
    uint32_t src[6], dst[6];
    for (int i = 0; i < 6; ++i) {
      src[i] = Argb(255, w, 255 - w, (w * 7) & 0xFF);
      dst[i] = Argb(0, 255 - w, w, 77);
    }
    const uint32_t before = dst[0];
    BlendRowConst(dst, src, 6, w);
    for (int i = 0; i < 6; ++i) {
      for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t s = (src[i] >> shift) & 0xFF, d = (before >> shift) & 0xFF;
        const uint32_t want = (s * w + d * (255 - w) + 127) / 255;  // exact halves cannot occur
        EXPECT_EQ((dst[i] >> shift) & 0xFF, want) << "weight " << w;
      }
    }
  }
}

TEST(GfxDraw, StretchedBlendSamplesLikeTheCopy) {
  Bitmap src(2, 2);
  src.At(0, 0) = Argb(255, 255, 0, 0);
  src.At(1, 0) = Argb(255, 0, 255, 0);
  src.At(0, 1) = Argb(255, 0, 0, 255);
  src.At(1, 1) = Argb(255, 255, 255, 255);
  src.drawMode = DrawMode::kBlend;
  src.masterAlpha = 255;
  Bitmap dst(4, 4, 0);
  Draw(dst, Rect{0, 0, 4, 4}, src, src.BoundsRect());
  EXPECT_EQ(dst.At(1, 1), src.At(0, 0));
  EXPECT_EQ(dst.At(2, 1), src.At(1, 0));
  EXPECT_EQ(dst.At(3, 3), src.At(1, 1));
}

TEST(GfxDraw, LinearFilterInterpolatesBetweenNeighbours) {
  Bitmap src(2, 1);
  src.At(0, 0) = Argb(255, 0, 0, 0);
  src.At(1, 0) = Argb(255, 200, 100, 40);
  src.filter = StretchFilter::kLinear;
  Bitmap dst(8, 1, 0);
  Draw(dst, Rect{0, 0, 8, 1}, src, src.BoundsRect());
  // Edges keep the end pixels; the middle rises monotonically between them.
  EXPECT_EQ(dst.At(0, 0), src.At(0, 0));
  EXPECT_EQ(dst.At(7, 0), src.At(1, 0));
  for (int32_t x = 1; x < 8; ++x) EXPECT_GE((dst.At(x, 0) >> 16) & 0xFF, (dst.At(x - 1, 0) >> 16) & 0xFF);
  const uint32_t mid = (dst.At(3, 0) >> 16) & 0xFF;
  EXPECT_GT(mid, 40u);
  EXPECT_LT(mid, 160u);
  // Same size: no filtering at all.
  Bitmap same(2, 1, 0);
  Draw(same, 0, 0, src);
  EXPECT_EQ(same.At(1, 0), src.At(1, 0));
}

TEST(GfxDraw, PartialSourceRectangleIsClipped) {
  Bitmap src(4, 4, Argb(255, 5, 5, 5));
  Bitmap dst(4, 4, 0);
  Draw(dst, 2, 2, src, Rect{0, 0, 4, 4});
  EXPECT_EQ(dst.At(1, 1), 0u);
  EXPECT_EQ(dst.At(2, 2), Argb(255, 5, 5, 5));
  EXPECT_EQ(dst.At(3, 3), Argb(255, 5, 5, 5));
}

TEST(GfxPixels, FillResetAlphaMirrorFlip) {
  Bitmap b(3, 2, 0);
  FillRect(b, Rect{-1, 1, 2, 5}, 0x00ABCDEF);
  EXPECT_EQ(b.At(0, 1), 0x00ABCDEFu);
  EXPECT_EQ(b.At(1, 1), 0x00ABCDEFu);
  EXPECT_EQ(b.At(2, 1), 0u);
  EXPECT_EQ(b.At(0, 0), 0u);
  ResetAlpha(b);
  EXPECT_EQ(b.At(0, 1), 0xFFABCDEFu);
  EXPECT_EQ(b.At(2, 0), 0xFF000000u);

  Bitmap t(3, 2);
  for (int32_t i = 0; i < 6; ++i) t.pixels[i] = static_cast<uint32_t>(i);
  Mirror(t);
  EXPECT_EQ(t.pixels, (std::vector<uint32_t>{2, 1, 0, 5, 4, 3}));
  Flip(t);
  EXPECT_EQ(t.pixels, (std::vector<uint32_t>{5, 4, 3, 2, 1, 0}));
  Fill(t, 8);
  EXPECT_EQ(t.pixels, std::vector<uint32_t>(6, 8));
}

}  // namespace
}  // namespace lw
