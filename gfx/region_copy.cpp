// The canvas copy under a region clip.
#include <algorithm>
#include <cstring>

#include "gfx/region.h"

namespace lw {

void CopyThroughRegion(Bitmap& dst, const Bitmap& src, const Region& region, const Rect& box) {
  const Rect clip = Intersect(Intersect(box, dst.BoundsRect()), src.BoundsRect());
  if (clip.IsEmpty()) return;
  const std::vector<Region::Band>& bands = region.Bands();
  auto band = std::upper_bound(bands.begin(), bands.end(), clip.top,
                               [](int32_t y, const Region::Band& b) { return y < b.bottom; });
  for (; band != bands.end() && band->top < clip.bottom; ++band) {
    const int32_t y0 = std::max(band->top, clip.top), y1 = std::min(band->bottom, clip.bottom);
    for (const Region::Span& span : band->spans) {
      if (span.right <= clip.left) continue;
      if (span.left >= clip.right) break;
      const int32_t x0 = std::max(span.left, clip.left), x1 = std::min(span.right, clip.right);
      const size_t bytes = static_cast<size_t>(x1 - x0) * sizeof(uint32_t);
      for (int32_t y = y0; y < y1; ++y) std::memcpy(dst.Row(y) + x0, src.Row(y) + x0, bytes);
    }
  }
}

}  // namespace lw
