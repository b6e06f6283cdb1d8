#include "transitions/fade_mix.h"

#include <cstring>

namespace lw {

namespace {

// a * wa + b * wb, with wa + wb = 255, divided by 255 and rounded. The sum
// fits 16 bits, so compilers keep it in 16-bit vector lanes; t * 257 >> 16
// divides t - 128 by 255 with rounding for every such sum and maps to one
// high-half multiply.
inline uint8_t Mix(uint8_t a, uint8_t b, uint16_t wa, uint16_t wb) {
  const uint16_t t = static_cast<uint16_t>(a * wa + b * wb + 128);
  return static_cast<uint8_t>((uint32_t{t} * 257) >> 16);
}

// Bytes per block: whole blocks run as fixed-length loops, which compilers
// vectorise even at -O2; the tail runs byte by byte.
constexpr size_t kBlock = 32;

// Pixels are handled as plain bytes: every byte is mixed alike, so the
// channel order does not matter and the loops stay simple.
const uint8_t* Bytes(const uint32_t* p) { return reinterpret_cast<const uint8_t*>(p); }
uint8_t* Bytes(uint32_t* p) { return reinterpret_cast<uint8_t*>(p); }

}  // namespace

void MixPixels(const uint32_t* over, const uint32_t* under, uint32_t* out, size_t count,
               uint8_t weight) {
  const uint8_t* a = Bytes(over);
  const uint8_t* b = Bytes(under);
  uint8_t* o = Bytes(out);
  const uint16_t wa = weight, wb = static_cast<uint16_t>(255 - weight);
  const size_t n = count * 4;
  size_t i = 0;
  for (; i + kBlock <= n; i += kBlock) {
    uint8_t block[kBlock];
    for (size_t j = 0; j < kBlock; ++j) block[j] = Mix(a[i + j], b[i + j], wa, wb);
    std::memcpy(o + i, block, kBlock);
  }
  for (; i < n; ++i) o[i] = Mix(a[i], b[i], wa, wb);
}

void ScalePixels(const uint32_t* src, uint32_t* out, size_t count, uint8_t weight) {
  const uint8_t* a = Bytes(src);
  uint8_t* o = Bytes(out);
  const uint16_t wa = weight;
  const size_t n = count * 4;
  size_t i = 0;
  for (; i + kBlock <= n; i += kBlock) {
    uint8_t block[kBlock];
    for (size_t j = 0; j < kBlock; ++j) block[j] = Mix(a[i + j], 0, wa, 0);
    std::memcpy(o + i, block, kBlock);
  }
  for (; i < n; ++i) o[i] = Mix(a[i], 0, wa, 0);
}

}  // namespace lw
