// Silent failure of a transition. Where an effect's arithmetic has no defined
// result (a step count of 0, a strip one pixel wide, a value that does not fit)
// the transition ends at once: no further paint and no final paint, but the
// worker still releases its images, clears the running state and runs the
// completion handler. Effects reach that end by throwing TransitionFailure —
// directly or through the checked helpers below — anywhere inside the family
// routine; the worker's Execute catches it.
#pragma once
#include <cmath>
#include <cstdint>

namespace lw {

struct TransitionFailure {};

[[noreturn]] inline void FailTransition() { throw TransitionFailure{}; }

// a / b in doubles; fails when b is 0.
inline double Quot(double a, double b) {
  if (b == 0) FailTransition();
  return a / b;
}

// a div b and a rem b (truncating toward zero); fail when b is 0 or the
// quotient does not fit.
inline int32_t Div(int32_t a, int32_t b) {
  if (b == 0 || (b == -1 && a == INT32_MIN)) FailTransition();
  return a / b;
}
inline int32_t Rem(int32_t a, int32_t b) {
  if (b == 0 || (b == -1 && a == INT32_MIN)) FailTransition();
  return a % b;
}

// Round (halves to even) and Ceil to a pixel coordinate; fail for a value
// that is not finite or lies beyond any coordinate.
inline int32_t RoundPx(double x) {
  if (!(std::fabs(x) < 2147483647.0)) FailTransition();
  return static_cast<int32_t>(std::nearbyint(x));
}
inline int32_t CeilPx(double x) {
  if (!(std::fabs(x) < 2147483647.0)) FailTransition();
  return static_cast<int32_t>(std::ceil(x));
}

}  // namespace lw
