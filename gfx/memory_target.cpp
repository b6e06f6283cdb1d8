#include "gfx/memory_target.h"

#include "gfx/copy.h"

namespace lw {

void MemoryTarget::CopyRect(const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  lw::CopyRect(surface, dstRect, src, srcRect);
}

void MemoryTarget::Snapshot(Bitmap& into) { lw::CopyRect(into, into.BoundsRect(), surface, into.BoundsRect()); }

}  // namespace lw
