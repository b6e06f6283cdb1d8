#include "common/arith.h"

#include <cmath>

namespace lw {

int64_t Round(double x) { return static_cast<int64_t>(std::nearbyint(x)); }

int64_t Trunc(double x) { return static_cast<int64_t>(std::trunc(x)); }

int64_t Ceil(double x) { return static_cast<int64_t>(std::ceil(x)); }

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  int64_t num = static_cast<int64_t>(a) * b;
  int64_t den = c;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  // Bias by half the divisor away from zero, then truncate.
  int64_t r = (num >= 0 ? num + den / 2 : num - den / 2) / den;
  if (r > INT32_MAX || r < -INT32_MAX) return -1;
  return static_cast<int32_t>(r);
}

}  // namespace lw
