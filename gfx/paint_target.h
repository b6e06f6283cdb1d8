// Port: a canvas the show paints on (the screen on Windows, a bitmap in tests).
#pragma once
#include "gfx/bitmap.h"

namespace lw {

class PaintTarget {
 public:
  virtual ~PaintTarget() = default;
  // Copies srcRect of src to dstRect of the target, stretching when the sizes
  // differ; an empty rectangle copies nothing.
  virtual void CopyRect(const Rect& dstRect, const Bitmap& src, const Rect& srcRect) = 0;
  // Copies what the target shows in (0, 0, into.width, into.height) into `into`.
  virtual void Snapshot(Bitmap& into) = 0;
};

}  // namespace lw
