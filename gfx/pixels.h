// Whole-bitmap and rectangle pixel operations: fill and alpha reset.
#pragma once
#include <cstdint>

#include "gfx/bitmap.h"

namespace lw {

// Every pixel := color.
void Fill(Bitmap& bmp, uint32_t color);
// Pixels of r (clipped to the bitmap) := color.
void FillRect(Bitmap& bmp, const Rect& r, uint32_t color);
// Sets the alpha byte of every pixel, keeping the colour.
void ResetAlpha(Bitmap& bmp, uint8_t alpha = 255);

}  // namespace lw
