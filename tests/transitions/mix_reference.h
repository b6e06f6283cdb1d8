// Reference for the fades' colour mix, written the plain way so the fast mixer
// is checked against arithmetic it does not share.
#pragma once
#include <cstdint>

namespace lw {

// Colour bytes of over * w/255 + under * (255 - w)/255, rounded.
inline uint32_t MixRgb(uint32_t over, uint32_t under, uint32_t w) {
  uint32_t r = 0;
  for (int s = 0; s < 24; s += 8) {
    const uint32_t a = (over >> s) & 255, b = (under >> s) & 255;
    r |= ((2 * (a * w + b * (255 - w)) + 255) / 510) << s;
  }
  return r;
}

}  // namespace lw
