// Mirroring and flipping a bitmap in place.
#pragma once
#include "gfx/bitmap.h"

namespace lw {

// Left-right mirror.
void Mirror(Bitmap& bmp);
// Top-bottom flip.
void Flip(Bitmap& bmp);

}  // namespace lw
