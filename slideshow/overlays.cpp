#include "slideshow/overlays.h"

#include "gfx/pixels.h"
#include "slideshow/composition.h"
#include "slideshow/placement.h"

namespace lw {

Bitmap MakeLogoBitmap(Bitmap& picture, ColorValue transparentColor) {
  const uint32_t key = ColorToPixel(transparentColor);
  Bitmap logo(picture.width, picture.height, key);
  DrawPicture(logo, 0, 0, picture);
  ResetAlpha(logo, 255);
  if (transparentColor != kNoColor) {
    for (uint32_t& p : logo.pixels)
      if (p == key) p = 0;
  }
  return logo;
}

void DrawLogo(Bitmap& target, Bitmap& logo, int32_t anchor, int32_t x, int32_t y) {
  const Rect r = PlaceByAnchor(target.width, target.height, logo.width, logo.height, anchor, x, y);
  DrawPicture(target, r.left, r.top, logo);
}

Bitmap MaskFromPicture(Bitmap&& picture, uint8_t format) {
  Bitmap mask = std::move(picture);
  if (format == 0) return mask;
  FlattenOntoTransparent(mask);
  ResetAlpha(mask, 255);
  return mask;
}

FontSpec CaptionFont(const std::string& name, int32_t size, int32_t style) {
  FontSpec f;
  f.name = name.empty() ? "Verdana" : name;
  f.size = size;
  f.underline = (style & 1) != 0;
  f.bold = (style & 2) != 0;
  f.italic = (style & 4) != 0;
  f.strikeOut = (style & 8) != 0;
  return f;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0, i = 0;
  while (i < text.size()) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void DrawTextBlock(TextRenderer& renderer, Bitmap& target, const std::string& text, const TextBlockStyle& s) {
  const FontSpec font = CaptionFont(s.fontName, s.size, s.style);
  const TextExtent extent = renderer.Measure(text, font);
  const int32_t lineHeight = renderer.Measure("A", font).height;
  Rect block = PlaceByAnchor(target.width, target.height, extent.width, extent.height, s.anchor, s.x, s.y);

  if (!s.transparent)
    FillRect(target, Rect{block.left - 5, block.top - 5, block.right + 5, block.bottom + 5},
             ColorToPixel(s.backColor));

  const uint32_t black = 0xFF000000u;
  const uint32_t color = ColorToPixel(s.textColor);
  if (s.perLine) {
    int32_t top = block.top;
    for (const std::string& line : SplitLines(text)) {
      if (s.shadow) renderer.RenderLine(target, block.left + 1, top + 1, line, font, black);
      renderer.RenderLine(target, block.left, top, line, font, color);
      top += lineHeight;
    }
    return;
  }
  if (s.shadow)
    renderer.DrawBlock(target, Rect{block.left + 1, block.top + 1, block.right + 1, block.bottom + 1}, text, font,
                       black);
  renderer.DrawBlock(target, block, text, font, color);
}

}  // namespace lw
