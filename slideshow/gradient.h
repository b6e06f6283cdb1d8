// The background gradients: two colours blended in one of eight patterns.
#pragma once
#include <cstdint>

#include "common/color.h"
#include "gfx/bitmap.h"

namespace lw {

// Gradient styles.
//   1 horizontal bands, colour1 at the top        2 vertical bands, colour1 at the left
//   3 concentric ellipses, colour2 in the centre  4 concentric rectangles, colour2 in the centre
//   5 bands mirrored about the middle row         6 bands mirrored about the middle column
//   7 four fans of triangles from the centre      8 quadrilaterals shrinking onto the
//                                                   bottom-left to top-right diagonal
// Paints area (0, 0, W, H) of the canvas completely. The colours' low three
// bytes are used as red, green and blue; a system colour is not resolved. A
// style outside 1..8 paints colour1 all over.
void PaintGradient(Bitmap& canvas, int32_t style, ColorValue color1, ColorValue color2, const Rect& area);

}  // namespace lw
