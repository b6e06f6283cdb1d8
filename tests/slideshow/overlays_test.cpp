#include "slideshow/overlays.h"

#include <gtest/gtest.h>

#include "show_fakes.h"

namespace lw::test {
namespace {

constexpr uint32_t kGround = 0xFF202020u, kInk = 0xFF00FF00u;

TEST(MakeLogoBitmap, KeyColourBecomesTransparent) {
  Bitmap picture(3, 1, 0xFF0000FFu);  // blue
  picture.At(1, 0) = kInk;
  Bitmap logo = MakeLogoBitmap(picture, RGBValue(0, 0, 255));
  EXPECT_EQ(logo.At(0, 0), 0u);
  EXPECT_EQ(logo.At(1, 0), kInk);
}

TEST(MakeLogoBitmap, WithoutKeyTransparentPartsBecomeOpaqueWhite) {
  Bitmap picture(2, 1, 0);
  picture.At(1, 0) = kInk;
  Bitmap logo = MakeLogoBitmap(picture, kNoColor);
  EXPECT_EQ(logo.At(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(logo.At(1, 0), kInk);
}

TEST(MakeLogoBitmap, TransparentPartsTakeTheKeyAndVanish) {
  Bitmap picture(2, 1, 0);
  picture.At(1, 0) = kInk;
  Bitmap logo = MakeLogoBitmap(picture, RGBValue(9, 9, 9));
  EXPECT_EQ(logo.At(0, 0), 0u);
  EXPECT_EQ(logo.At(1, 0), kInk);
}

TEST(DrawLogo, AnchoredBottomRightAndClipped) {
  Bitmap target(1024, 768, kGround);
  Bitmap logo(100, 50, kInk);
  logo.At(0, 0) = 0;  // transparent
  DrawLogo(target, logo, 4, 10, 20);
  EXPECT_EQ(target.At(914, 698), kGround);
  EXPECT_EQ(target.At(915, 698), kInk);
  EXPECT_EQ(target.At(1013, 747), kInk);
  EXPECT_EQ(target.At(1014, 747), kGround);
  EXPECT_EQ(target.At(1013, 748), kGround);

  Bitmap edge(50, 50, kGround);
  DrawLogo(edge, logo, 0, -60, 30);  // reaches beyond the left and bottom edges
  DrawLogo(edge, logo, 0, 20, 20);
  EXPECT_EQ(edge.At(49, 49), kInk);
}

TEST(CaptionFont, StyleBitsAndDefaultFace) {
  const FontSpec boldItalic = CaptionFont("", 12, 6);
  EXPECT_EQ(boldItalic.name, "Verdana");
  EXPECT_TRUE(boldItalic.bold && boldItalic.italic);
  EXPECT_FALSE(boldItalic.underline || boldItalic.strikeOut);
  const FontSpec lined = CaptionFont("Arial", 9, 9);
  EXPECT_EQ(lined.name, "Arial");
  EXPECT_TRUE(lined.underline && lined.strikeOut);
  EXPECT_FALSE(lined.bold || lined.italic);
}

TEST(SplitLines, AllLineBreaks) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitLines("one"), (std::vector<std::string>{"one"}));
}

TEST(DrawTextBlock, BoxReachesFivePixelsBeyondTheText) {
  FakeText text;
  Bitmap target(200, 100, kGround);
  TextBlockStyle s;
  s.textColor = RGBValue(255, 255, 0);
  s.backColor = RGBValue(0, 0, 255);
  s.anchor = 0;
  s.x = 20;
  s.y = 30;
  DrawTextBlock(text, target, "abcd\r\nxy", s);  // 32 x 20
  EXPECT_EQ(target.At(15, 25), 0xFF0000FFu);
  EXPECT_EQ(target.At(56, 54), 0xFF0000FFu);
  EXPECT_EQ(target.At(14, 25), kGround);
  EXPECT_EQ(target.At(57, 54), kGround);
  EXPECT_EQ(target.At(56, 55), kGround);
  ASSERT_EQ(text.calls.size(), 1u);
  EXPECT_EQ(text.calls[0].kind, "block");
  EXPECT_EQ(text.calls[0].rect, (Rect{20, 30, 52, 50}));
  EXPECT_EQ(text.calls[0].color, 0xFFFFFF00u);
}

TEST(DrawTextBlock, TransparentCaptionPaintsNoBox) {
  FakeText text;
  Bitmap target(200, 100, kGround);
  TextBlockStyle s;
  s.transparent = true;
  s.backColor = RGBValue(0, 0, 255);
  DrawTextBlock(text, target, "abc", s);
  for (uint32_t p : target.pixels) ASSERT_EQ(p, kGround);
}

TEST(DrawTextBlock, PerLineWithShadowDrawsEachLineOneLineHeightLower) {
  FakeText text;
  Bitmap target(200, 100, kGround);
  TextBlockStyle s;
  s.textColor = RGBValue(255, 0, 0);
  s.anchor = 4;  // bottom-right
  s.x = 10;
  s.y = 5;
  s.transparent = true;
  s.perLine = true;
  s.shadow = true;
  s.fontName = "Tahoma";
  s.style = 2;
  DrawTextBlock(text, target, "first\nsecond line", s);  // 88 x 20, placed at (102, 75)
  ASSERT_EQ(text.calls.size(), 4u);
  const struct {
    const char* line;
    int32_t x, y;
    uint32_t color;
  } expected[] = {
      {"first", 103, 76, 0xFF000000u},
      {"first", 102, 75, 0xFFFF0000u},
      {"second line", 103, 86, 0xFF000000u},
      {"second line", 102, 85, 0xFFFF0000u},
  };
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(text.calls[i].kind, "line");
    EXPECT_EQ(text.calls[i].text, expected[i].line);
    EXPECT_EQ(text.calls[i].rect.left, expected[i].x) << i;
    EXPECT_EQ(text.calls[i].rect.top, expected[i].y) << i;
    EXPECT_EQ(text.calls[i].color, expected[i].color) << i;
    EXPECT_EQ(text.calls[i].font, CaptionFont("Tahoma", 0, 2));
  }
}

TEST(DrawTextBlock, WholeBlockShadowIsShiftedByOnePixel) {
  FakeText text;
  Bitmap target(200, 100, kGround);
  TextBlockStyle s;
  s.anchor = 9;  // centred
  s.transparent = true;
  s.shadow = true;
  DrawTextBlock(text, target, "ab", s);  // 16 x 10 at (92, 45)
  ASSERT_EQ(text.calls.size(), 2u);
  EXPECT_EQ(text.calls[0].rect, (Rect{93, 46, 109, 56}));
  EXPECT_EQ(text.calls[0].color, 0xFF000000u);
  EXPECT_EQ(text.calls[1].rect, (Rect{92, 45, 108, 55}));
}

}  // namespace
}  // namespace lw::test
