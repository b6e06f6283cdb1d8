// The process-wide pseudo-random generator. Effects, the scheduler and the
// background all draw from this one sequence, so its arithmetic is fixed:
// seed := seed * 0x08088405 + 1 (mod 2^32); Random(n) = high 32 bits of n * seed.
#pragma once
#include <cstdint>

namespace lw {

// Uniform integer in 0..n-1; 0 for n <= 0.
int32_t Random(int32_t n);
// Uniform double in [0, 1).
double RandomReal();
void SetRandSeed(uint32_t seed);
uint32_t RandSeed();
// Seeds from the clock, as at start and at every transition.
void Randomize();

}  // namespace lw
