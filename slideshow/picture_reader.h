// Port: the picture reader. Turns a picture file into a 32-bit ARGB bitmap,
// choosing the decoder by the file's extension (bmp, ico, wmf, emf, jpg, jpe,
// jpeg, jfif, rle, dib, tif, tiff, fax, png, gif at least).
#pragma once
#include <string>

#include "gfx/bitmap.h"

namespace lw {

class PictureReader {
 public:
  virtual ~PictureReader() = default;
  // The picture at its own size; pixels the picture leaves transparent have
  // alpha 0, all others alpha 255 (or their own alpha). False when the file
  // cannot be read, holds no pixels, or declares a size its bytes cannot
  // justify.
  virtual bool Read(const std::string& path, Bitmap& out) = 0;
};

}  // namespace lw
