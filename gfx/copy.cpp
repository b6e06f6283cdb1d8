#include "gfx/copy.h"

#include <algorithm>
#include <cstring>

#include "gfx/axis_map.h"

namespace lw {

void CopyRect(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  if (dstRect.IsEmpty() || srcRect.IsEmpty()) return;
  const AxisMap mx = MapAxis(dstRect.left, dstRect.right, dst.width, srcRect.left, srcRect.right, src.width);
  if (mx.Empty()) return;
  const AxisMap my = MapAxis(dstRect.top, dstRect.bottom, dst.height, srcRect.top, srcRect.bottom, src.height);
  if (my.Empty()) return;
  const size_t n = static_cast<size_t>(mx.end - mx.begin);
  int32_t prevSrcRow = -1;
  const uint32_t* prevDst = nullptr;
  for (int32_t y = my.begin; y < my.end; ++y) {
    uint32_t* d = dst.Row(y) + mx.begin;
    const int32_t sy = my.Source(y);
    if (mx.identity) {
      std::memmove(d, src.Row(sy) + mx.begin + mx.offset, n * 4);
    } else if (sy == prevSrcRow && &dst != &src) {
      std::memcpy(d, prevDst, n * 4);  // a source row stretched over several rows
    } else if (srcRect.Width() == 1) {
      std::fill(d, d + n, src.Row(sy)[mx.src[0]]);  // one column stretched across
    } else {
      const uint32_t* s = src.Row(sy);
      const int32_t* xs = mx.src.data();
#pragma GCC unroll 4
      for (size_t i = 0; i < n; ++i) d[i] = s[xs[i]];
    }
    prevSrcRow = sy;
    prevDst = d;
  }
}

}  // namespace lw
