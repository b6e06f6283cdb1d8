// What lies over a slide's picture: the package's logo, an item's caption,
// and the mask that shapes the picture.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/color.h"
#include "gfx/bitmap.h"
#include "slideshow/text_renderer.h"

namespace lw {

// The logo as it is drawn on every frame: the picture over its key colour
// (kNoColor counts as white), all opaque, then, with a key, every pixel of
// the key colour made transparent black.
Bitmap MakeLogoBitmap(Bitmap& picture, ColorValue transparentColor);

// Draws the logo at its own size where the anchor puts it, blended, clipped
// to the target.
void DrawLogo(Bitmap& target, Bitmap& logo, int32_t anchor, int32_t x, int32_t y);

// The mask bitmap from a mask picture by the record's format: a BMP (0) is
// taken as it is, any other picture is made opaque.
Bitmap MaskFromPicture(Bitmap&& picture, uint8_t format);

// Caption font: an empty name is "Verdana"; style bits 1 underline, 2 bold,
// 4 italic, 8 strike-out.
FontSpec CaptionFont(const std::string& name, int32_t size, int32_t style);

// The text's lines, split at CR LF, CR or LF; a final line break ends the
// last line rather than starting an empty one.
std::vector<std::string> SplitLines(const std::string& text);

struct TextBlockStyle {
  ColorValue textColor = 0;
  ColorValue backColor = 0;
  std::string fontName;
  int32_t size = 0, style = 0;
  int32_t x = 0, y = 0, anchor = 0;
  bool transparent = false;  // no box behind the text
  bool perLine = false;      // each line rendered on its own, anti-aliased
  bool shadow = false;       // a black copy one pixel right and down first
};

// Measures the text, places its block by the anchor, paints the box (5
// pixels larger on every side) unless transparent, and draws the text.
void DrawTextBlock(TextRenderer& renderer, Bitmap& target, const std::string& text, const TextBlockStyle& s);

}  // namespace lw
