// Readable failure messages for rectangles and regions.
#pragma once
#include <ostream>

#include "gfx/region.h"

namespace lw {

inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

inline void PrintTo(const Region& region, std::ostream* os) {
  *os << "{";
  for (const Region::Band& b : region.Bands()) {
    *os << " y " << b.top << ".." << b.bottom << ":";
    for (const Region::Span& s : b.spans) *os << " [" << s.left << "," << s.right << ")";
  }
  *os << " }";
}

}  // namespace lw
