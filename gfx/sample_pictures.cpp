#include "gfx/sample_pictures.h"

#include <algorithm>
#include <cstdlib>

namespace lw {
namespace {

constexpr uint32_t Argb(uint32_t r, uint32_t g, uint32_t b) { return 0xFF000000u | (r << 16) | (g << 8) | b; }

}  // namespace

Bitmap SampleOldPicture(int32_t w, int32_t h) {
  Bitmap bmp(w, h);
  const int64_t cx = w / 3, cy = h / 2, radius = std::max(1, std::min(w, h) / 4);
  const int32_t fl = w / 2, ft = h / 5, fr = w - w / 10, fb = h - h / 5, border = std::max(1, std::min(w, h) / 40);
  for (int32_t y = 0; y < bmp.height; ++y) {
    uint32_t* row = bmp.Row(y);
    for (int32_t x = 0; x < bmp.width; ++x) {
      const uint32_t r = static_cast<uint32_t>(x * 255 / std::max(1, w - 1));
      const uint32_t g = static_cast<uint32_t>(y * 200 / std::max(1, h - 1));
      uint32_t p = Argb(r, g, 40 + (r + g) / 16);
      const int64_t dx = x - cx, dy = y - cy;
      if (dx * dx + dy * dy <= radius * radius) p = Argb(250, 210, 30);
      const bool inFrame = x >= fl && x < fr && y >= ft && y < fb;
      const bool inHole = x >= fl + border && x < fr - border && y >= ft + border && y < fb - border;
      if (inFrame && !inHole) p = Argb(20, 20, 90);
      row[x] = p;
    }
  }
  return bmp;
}

Bitmap SampleNewPicture(int32_t w, int32_t h) {
  Bitmap bmp(w, h);
  const int32_t cell = std::max(4, std::min(w, h) / 8);
  const int32_t band = std::max(2, (w + h) / 20);
  for (int32_t y = 0; y < bmp.height; ++y) {
    uint32_t* row = bmp.Row(y);
    for (int32_t x = 0; x < bmp.width; ++x) {
      const bool dark = ((x / cell) + (y / cell)) % 2 == 0;
      uint32_t p = dark ? Argb(30, 70, 190) : Argb(225, 230, 250);
      if (std::abs(static_cast<int64_t>(x) * h / std::max(1, w) - y) < band) p = Argb(240, 60, 140);
      row[x] = p;
    }
  }
  return bmp;
}

}  // namespace lw
