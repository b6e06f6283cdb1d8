// Our 32-bit ARGB bitmap (blue in the lowest byte), the picture type of the
// whole show. The pixel buffer is row-major, top row first, no padding.
// The drawing attributes govern how this bitmap is drawn onto another one.
#pragma once
#include <cstdint>
#include <vector>

#include "gfx/rect.h"

namespace lw {

enum class DrawMode : uint8_t { kOpaque, kBlend };
enum class StretchFilter : uint8_t { kNearest, kLinear };

struct Bitmap {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;

  DrawMode drawMode = DrawMode::kOpaque;
  uint8_t masterAlpha = 255;
  uint32_t outerColor = 0;
  StretchFilter filter = StretchFilter::kNearest;

  Bitmap() = default;
  Bitmap(int32_t w, int32_t h, uint32_t fill = 0) { SetSize(w, h, fill); }

  // Negative sizes count as 0. Contents are reset to `fill`.
  void SetSize(int32_t w, int32_t h, uint32_t fill = 0) {
    width = w > 0 ? w : 0;
    height = h > 0 ? h : 0;
    if (width == 0 || height == 0) width = height = 0;
    pixels.assign(static_cast<size_t>(width) * height, fill);
  }
  bool Empty() const { return width == 0 || height == 0; }
  Rect BoundsRect() const { return Rect{0, 0, width, height}; }
  uint32_t* Row(int32_t y) { return pixels.data() + static_cast<size_t>(y) * width; }
  const uint32_t* Row(int32_t y) const { return pixels.data() + static_cast<size_t>(y) * width; }
  uint32_t& At(int32_t x, int32_t y) { return pixels[static_cast<size_t>(y) * width + x]; }
  uint32_t At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

}  // namespace lw
