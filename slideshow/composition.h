// Putting a slide's picture on the frame: filters, transparency, and the
// scaled, optionally masked drawing.
#pragma once
#include <cstdint>

#include "common/color.h"
#include "gfx/bitmap.h"

namespace lw {

// Draws the whole picture with its top-left corner at (x, y), unscaled and
// blended: its transparent pixels leave the target as it was.
void DrawPicture(Bitmap& target, int32_t x, int32_t y, Bitmap& picture);

// The picture as it looks drawn on a fully transparent bitmap of its own
// size (what DrawPicture onto such a bitmap gives), made in place.
void FlattenOntoTransparent(Bitmap& picture);

// Draws the picture stretched into rect on the target, bilinear and blended.
// makeOpaque first sets every picture pixel's alpha to 255. With a mask, the
// mask is stretched into rect too and its blue channel becomes the picture's
// alpha there (white opaque, black transparent); an empty mask hides the
// picture. Outside rect the target stays as it was.
void DrawIntoRect(Bitmap& picture, Bitmap& target, const Rect& rect, bool makeOpaque, Bitmap* mask);

// Filter bits: 1 mirror left to right, 2 flip top to bottom, 4 grey, applied
// in that order. Grey weighs blue 0.3, green 0.6 and red 0.1 and keeps alpha.
void ApplyFilters(Bitmap& bmp, int32_t filters);

// Every pixel equal to key (an ARGB value) becomes the background colour with
// alpha 0, that is fully transparent.
void ReplaceColor(Bitmap& bmp, uint32_t key, ColorValue backColor);

}  // namespace lw
