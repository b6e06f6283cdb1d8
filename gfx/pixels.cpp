#include "gfx/pixels.h"

#include <algorithm>

namespace lw {

void Fill(Bitmap& bmp, uint32_t color) { std::fill(bmp.pixels.begin(), bmp.pixels.end(), color); }

void FillRect(Bitmap& bmp, const Rect& r, uint32_t color) {
  Rect c = Intersect(r, bmp.BoundsRect());
  if (c.IsEmpty()) return;
  for (int32_t y = c.top; y < c.bottom; ++y) std::fill(bmp.Row(y) + c.left, bmp.Row(y) + c.right, color);
}

void ResetAlpha(Bitmap& bmp, uint8_t alpha) {
  const uint32_t a = static_cast<uint32_t>(alpha) << 24;
  for (uint32_t& p : bmp.pixels) p = (p & 0x00FFFFFFu) | a;
}

}  // namespace lw
