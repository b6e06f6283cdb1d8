// Weighted mixing of 32-bit pixels, byte by byte, for the fading effects.
// A weight w of 0..255 gives over * w/255 + under * (255 - w)/255, rounded to
// the nearest integer. All four bytes are mixed alike.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lw {

// out[i] = mix of over[i] and under[i] with one weight for all pixels.
// `out` may be `under` or `over`.
void MixPixels(const uint32_t* over, const uint32_t* under, uint32_t* out, size_t count,
               uint8_t weight);
// out[i] = src[i] mixed with black (0) by `weight`. `out` may be `src`.
void ScalePixels(const uint32_t* src, uint32_t* out, size_t count, uint8_t weight);

}  // namespace lw
