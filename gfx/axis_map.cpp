#include "gfx/axis_map.h"

#include <algorithm>
#include <cmath>

namespace lw {
namespace {
constexpr int64_t kMaxSpan = int64_t{1} << 30;
}  // namespace

AxisMap MapAxis(int32_t dstLo, int32_t dstHi, int32_t dstSize, int32_t srcLo, int32_t srcHi, int32_t srcSize) {
  AxisMap m;
  const int64_t dw = static_cast<int64_t>(dstHi) - dstLo;
  const int64_t sw = static_cast<int64_t>(srcHi) - srcLo;
  if (dw == sw) {
    const int64_t b = std::max<int64_t>({dstLo, 0, static_cast<int64_t>(dstLo) - srcLo});
    const int64_t e = std::min<int64_t>({dstHi, dstSize, static_cast<int64_t>(dstLo) + srcSize - srcLo});
    if (b >= e) return m;
    m.identity = true;
    m.begin = static_cast<int32_t>(b);
    m.end = static_cast<int32_t>(e);
    m.offset = static_cast<int32_t>(static_cast<int64_t>(srcLo) - dstLo);
    return m;
  }
  // Spans this long cannot come from a real picture; refusing them keeps the
  // products below inside 64 bits.
  if (dw > kMaxSpan || sw > kMaxSpan) return m;
  int32_t lo = std::max(dstLo, 0), hi = std::min(dstHi, dstSize);
  if (lo >= hi) return m;
  m.src.resize(static_cast<size_t>(hi - lo));
  for (int32_t d = lo; d < hi; ++d)
    m.src[d - lo] = static_cast<int32_t>(srcLo + ((2 * (static_cast<int64_t>(d) - dstLo) + 1) * sw) / (2 * dw));
  // The samples rise with d: trim those outside the source at either end.
  size_t first = 0, last = m.src.size();
  while (first < last && m.src[first] < 0) ++first;
  while (last > first && m.src[last - 1] >= srcSize) --last;
  m.src.erase(m.src.begin() + last, m.src.end());
  m.src.erase(m.src.begin(), m.src.begin() + first);
  m.begin = lo + static_cast<int32_t>(first);
  m.end = lo + static_cast<int32_t>(last);
  return m;
}

LinearAxis MapLinear(const AxisMap& map, int32_t dstLo, int32_t dstHi, int32_t srcLo, int32_t srcHi, int32_t srcSize) {
  LinearAxis a;
  const size_t n = map.Empty() ? 0 : static_cast<size_t>(map.end - map.begin);
  a.i0.resize(n);
  a.i1.resize(n);
  a.w.resize(n);
  const int64_t dw = static_cast<int64_t>(dstHi) - dstLo;
  const int64_t sw = static_cast<int64_t>(srcHi) - srcLo;
  const int64_t minIdx = std::max(srcLo, 0);
  const int64_t maxIdx = std::min(srcHi, srcSize) - 1;
  for (size_t k = 0; k < n; ++k) {
    const int64_t d = map.begin + static_cast<int64_t>(k) - dstLo;
    // Source position of the destination pixel's centre.
    const double pos = (2.0 * static_cast<double>(d) + 1) * static_cast<double>(sw) / (2.0 * static_cast<double>(dw)) -
                       0.5 + srcLo;
    const double fl = std::floor(pos);
    int64_t i = fl < static_cast<double>(minIdx) ? minIdx : fl > static_cast<double>(maxIdx) ? maxIdx
                                                                                              : static_cast<int64_t>(fl);
    uint32_t w = static_cast<uint32_t>((pos - fl) * 256);
    if (fl < static_cast<double>(minIdx) || i >= maxIdx) w = 0;
    a.i0[k] = static_cast<int32_t>(i);
    a.i1[k] = static_cast<int32_t>(std::min(i + 1, maxIdx));
    a.w[k] = w;
  }
  return a;
}

}  // namespace lw
