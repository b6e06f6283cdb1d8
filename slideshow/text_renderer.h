// Port: measuring and drawing text with a font, on our bitmaps. Two ways of
// drawing, as the caption uses them: the system text drawer for a whole
// block, and an anti-aliased renderer for one line at a time.
#pragma once
#include <cstdint>
#include <string>

#include "gfx/bitmap.h"

namespace lw {

struct FontSpec {
  std::string name;
  int32_t size = 0;  // points
  bool underline = false, bold = false, italic = false, strikeOut = false;
  bool operator==(const FontSpec&) const = default;
};

struct TextExtent {
  int32_t width = 0, height = 0;
  bool operator==(const TextExtent&) const = default;
};

class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  // The extent the system text drawer gives the text: its widest line by all
  // its lines (line breaks are CR LF, CR or LF).
  virtual TextExtent Measure(const std::string& text, const FontSpec& font) = 0;
  // The system text drawer: left-aligned from rect's top-left, line breaks
  // honoured, no background, clipped to the target. color is an opaque pixel.
  virtual void DrawBlock(Bitmap& target, const Rect& rect, const std::string& text, const FontSpec& font,
                         uint32_t color) = 0;
  // One line rendered anti-aliased (lowest level) with its top-left at (x, y),
  // blended by coverage in `color` (an ARGB pixel).
  virtual void RenderLine(Bitmap& target, int32_t x, int32_t y, const std::string& line, const FontSpec& font,
                          uint32_t color) = 0;
};

}  // namespace lw
