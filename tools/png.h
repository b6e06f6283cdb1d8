// PNG output of the effect renders.
#pragma once
#include <string>

#include "gfx/bitmap.h"

namespace lw {

// Writes the bitmap as an 8-bit RGB PNG; the alpha bytes are dropped, as a
// screen shows none. False when the file cannot be written.
bool WritePng(const std::string& path, const Bitmap& bmp);

}  // namespace lw
