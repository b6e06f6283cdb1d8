// The numbering of the transition effects: number n is the n-th item of the
// effects list; 0 means no effect.
#pragma once
#include <cstdint>

namespace lw {

constexpr int32_t kEffectCount = 120;

// The item text of effect n (1..kEffectCount); "" for any other number.
const char* EffectName(int32_t n);

}  // namespace lw
