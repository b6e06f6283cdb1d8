// Effects built from transition parts are written as tables. A row lists
// groups of parts; a group is a count and the formula giving the k-th part's
// initial values from the frame size W x H and the step count S. The formulas
// run once, before the first frame.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/arith.h"
#include "transitions/transition_failure.h"

namespace lw {

struct Dims {
  int64_t W, H, S;
  int64_t W2, H2;  // W div 2, H div 2
};

inline Dims MakeDims(int32_t w, int32_t h, int32_t s) { return Dims{w, h, s, w / 2, h / 2}; }

// Ceil(a / b); a zero divisor ends the transition silently.
inline int64_t CeilQuot(double a, double b) { return Ceil(Quot(a, b)); }

// Anchor (x0, y0), extent (ex, ey), movement per step (dx, dy), steps.
struct FoldInit {
  int64_t x0, y0, ex, ey;
  double dx, dy;
  int64_t steps;
};

template <typename Init>
struct PartGroup {
  int32_t count = 0;
  Init (*make)(const Dims& d, int32_t k) = nullptr;
};

template <typename Init, size_t N, typename Add>
void ExpandGroups(const PartGroup<Init> (&groups)[N], const Dims& d, Add&& add) {
  for (const PartGroup<Init>& g : groups)
    for (int32_t k = 0; k < g.count; ++k) add(g.make(d, k));
}

// Part fields are 32-bit; a formula result outside that range wraps.
inline int32_t I32(int64_t v) { return static_cast<int32_t>(v); }

}  // namespace lw
