// Two built-in pictures for effect renders, benchmarks and tests. They differ
// in every pixel (the old one's blue channel stays below 128, the new one's
// reaches 128 or more), so any pixel shows which of them it came from.
#pragma once
#include "gfx/bitmap.h"

namespace lw {

// A diagonal gradient with a disc and a frame drawn on it.
Bitmap SampleOldPicture(int32_t w, int32_t h);
// A two-colour checker crossed by a diagonal band.
Bitmap SampleNewPicture(int32_t w, int32_t h);

// True when the pixel belongs to the new picture's palette.
constexpr bool IsNewPicturePixel(uint32_t p) { return (p & 0xFF) >= 128; }

}  // namespace lw
