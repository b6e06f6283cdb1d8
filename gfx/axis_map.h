// Sampling plan of a rectangle copy along one axis: which source column (or
// row) each destination column (row) reads, after clipping to both bitmaps.
// Destination pixels whose sample would lie outside the source are dropped.
#pragma once
#include <cstdint>
#include <vector>

namespace lw {

struct AxisMap {
  int32_t begin = 0, end = 0;  // destination range [begin, end)
  bool identity = false;       // same size: source = destination + offset
  int32_t offset = 0;
  std::vector<int32_t> src;    // nearest source index per destination index (stretched only)
  bool Empty() const { return begin >= end; }
  int32_t Source(int32_t d) const { return identity ? d + offset : src[d - begin]; }
};

// Destination span [dstLo, dstHi) within 0..dstSize, source span [srcLo, srcHi)
// within 0..srcSize; both spans non-empty. Nearest sampling at pixel centres.
AxisMap MapAxis(int32_t dstLo, int32_t dstHi, int32_t dstSize, int32_t srcLo, int32_t srcHi, int32_t srcSize);

// Bilinear sampling plan for the destination range of `map`: per destination
// index the two neighbouring source indices and the weight 0..256 of the second.
struct LinearAxis {
  std::vector<int32_t> i0, i1;
  std::vector<uint32_t> w;
};
LinearAxis MapLinear(const AxisMap& map, int32_t dstLo, int32_t dstHi, int32_t srcLo, int32_t srcHi, int32_t srcSize);

}  // namespace lw
