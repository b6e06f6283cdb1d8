// Drawing one bitmap onto another with the source's drawing attributes:
// opaque mode copies; blend mode mixes src·a + dst·(1 − a) with a = pixel
// alpha × master alpha; a stretched draw samples with the source's filter
// (nearest or bilinear). Clipped to both bitmaps.
#pragma once
#include "gfx/bitmap.h"

namespace lw {

// The whole of src with its top-left corner at (x, y).
void Draw(Bitmap& dst, int32_t x, int32_t y, const Bitmap& src);
// srcRect of src with its top-left corner at (x, y), unscaled.
void Draw(Bitmap& dst, int32_t x, int32_t y, const Bitmap& src, const Rect& srcRect);
// srcRect of src into dstRect, stretched when the sizes differ.
void Draw(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect);

}  // namespace lw
