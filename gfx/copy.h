// The canvas copy: a rectangle of one bitmap to a rectangle of another.
#pragma once
#include "gfx/bitmap.h"

namespace lw {

// Copies srcRect of src to dstRect of dst, all four bytes of every pixel,
// stretching with nearest-neighbour sampling when the sizes differ. An empty
// rectangle copies nothing. Clipped to both bitmaps: destination pixels whose
// sample would fall outside src keep their value.
void CopyRect(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect);

}  // namespace lw
