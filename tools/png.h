// PNG output of the effect renders.
#pragma once
#include <string>

#include "gfx/bitmap.h"

namespace lw {

enum class PngAlpha { kDrop, kKeep };

// Writes the bitmap as an 8-bit RGB PNG; the alpha bytes are dropped, as a
// screen shows none, unless kept (RGBA, for pictures with transparency).
// False when the file cannot be written.
bool WritePng(const std::string& path, const Bitmap& bmp, PngAlpha alpha = PngAlpha::kDrop);

}  // namespace lw
