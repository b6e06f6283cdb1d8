#include "gfx/transform.h"

#include <algorithm>

namespace lw {

void Mirror(Bitmap& bmp) {
  for (int32_t y = 0; y < bmp.height; ++y) std::reverse(bmp.Row(y), bmp.Row(y) + bmp.width);
}

void Flip(Bitmap& bmp) {
  for (int32_t top = 0, bottom = bmp.height - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(bmp.Row(top), bmp.Row(top) + bmp.width, bmp.Row(bottom));
}

}  // namespace lw
