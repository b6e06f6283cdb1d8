// Integer arithmetic with the exact rounding rules the show relies on.
#pragma once
#include <cstdint>

namespace lw {

// Nearest integer, exact halves to the even neighbour (the FPU's default mode).
int64_t Round(double x);
// Toward zero.
int64_t Trunc(double x);
// Smallest integer not below x.
int64_t Ceil(double x);
// Windows MulDiv: a * b / c in 64 bits, rounded half away from zero;
// -1 when c is 0 or the result does not fit in 32 bits.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

}  // namespace lw
