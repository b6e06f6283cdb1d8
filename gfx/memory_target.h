// A paint target that is a bitmap in memory: the screen of tests and tools.
#pragma once
#include "gfx/paint_target.h"

namespace lw {

class MemoryTarget : public PaintTarget {
 public:
  MemoryTarget() = default;
  MemoryTarget(int32_t w, int32_t h, uint32_t fill = 0) : surface(w, h, fill) {}

  void CopyRect(const Rect& dstRect, const Bitmap& src, const Rect& srcRect) override;
  void Snapshot(Bitmap& into) override;

  Bitmap surface;
};

}  // namespace lw
