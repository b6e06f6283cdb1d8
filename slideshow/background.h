// The background picture over the gradient, and random background colours.
#pragma once
#include <cstdint>

#include "common/color.h"
#include "gfx/bitmap.h"

namespace lw {

// Background picture modes: 0 tile from the top-left corner, 1 fit keeping
// proportions, anything else centred at its own size (fitted when it does
// not fit). Tiles and the centred picture are blended, so their transparent
// parts show the gradient; a fitted picture is drawn opaque.
void DrawBackgroundPicture(Bitmap& canvas, int32_t W, int32_t H, int32_t mode, Bitmap& picture);

// Draws the picture scaled into rect on a W x H canvas, bilinear and opaque:
// its transparent parts show black.
void DrawScaledOnCanvas(Bitmap& picture, Bitmap& canvas, const Rect& rect, int32_t W, int32_t H);

// A colour of three random bytes, drawn red first, then green, then blue.
ColorValue RandomColorValue();

}  // namespace lw
