#include "gfx/blend.h"

#include <cstring>

// The vector helpers below are inline and file-local, so their calling
// convention on targets without SSE does not matter.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

namespace lw {
namespace {

// Four pixels as sixteen bytes; the products need 16-bit lanes, two pixels
// per vector.
typedef uint8_t U8x16 __attribute__((vector_size(16)));
typedef uint8_t U8x8 __attribute__((vector_size(8)));
typedef uint16_t U16x8 __attribute__((vector_size(16)));

inline U16x8 Div255v(U16x8 x) {
  x += 128;
  return (x + (x >> 8)) >> 8;
}

inline U8x16 Load(const uint32_t* p) {
  U8x16 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline void Store(uint32_t* p, U8x16 v) { std::memcpy(p, &v, sizeof v); }

inline U16x8 Low(U8x16 v) { return __builtin_convertvector(__builtin_shufflevector(v, v, 0, 1, 2, 3, 4, 5, 6, 7), U16x8); }
inline U16x8 High(U8x16 v) {
  return __builtin_convertvector(__builtin_shufflevector(v, v, 8, 9, 10, 11, 12, 13, 14, 15), U16x8);
}

// s·a + d·(255 − a), divided by 255; a holds one weight per byte lane.
inline U16x8 MixHalf(U16x8 s, U16x8 d, U16x8 a) { return Div255v(s * a + d * (255 - a)); }

inline U8x16 Mix(U8x16 s, U8x16 d, U16x8 aLow, U16x8 aHigh) {
  const U8x8 lo = __builtin_convertvector(MixHalf(Low(s), Low(d), aLow), U8x8);
  const U8x8 hi = __builtin_convertvector(MixHalf(High(s), High(d), aHigh), U8x8);
  return __builtin_shufflevector(lo, hi, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
}

inline uint32_t MixPixel(uint32_t s, uint32_t d, uint32_t a) {
  uint32_t r = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    uint32_t c = Div255(((s >> shift) & 0xFF) * a + ((d >> shift) & 0xFF) * (255 - a));
    r |= c << shift;
  }
  return r;
}

}  // namespace

void BlendRowConst(uint32_t* dst, const uint32_t* src, int32_t n, uint32_t weight) {
  if (weight == 0 || n <= 0) return;
  if (weight >= 255) {
    std::memmove(dst, src, static_cast<size_t>(n) * 4);
    return;
  }
  const U16x8 a = U16x8{} + static_cast<uint16_t>(weight);
  int32_t i = 0;
  for (; i + 4 <= n; i += 4) Store(dst + i, Mix(Load(src + i), Load(dst + i), a, a));
  for (; i < n; ++i) dst[i] = MixPixel(src[i], dst[i], weight);
}

void BlendRow(uint32_t* dst, const uint32_t* src, int32_t n, uint8_t master) {
  if (master == 0 || n <= 0) return;
  uint32_t allAlpha = 0xFF000000u;
  for (int32_t i = 0; i < n; ++i) allAlpha &= src[i];
  if (allAlpha == 0xFF000000u) {  // opaque pixels: the master alpha alone weighs
    BlendRowConst(dst, src, n, master);
    return;
  }
  const uint16_t m = master;
  int32_t i = 0;
  for (; i + 4 <= n; i += 4) {
    U8x16 s = Load(src + i);
    U16x8 aLow = __builtin_convertvector(__builtin_shufflevector(s, s, 3, 3, 3, 3, 7, 7, 7, 7), U16x8);
    U16x8 aHigh = __builtin_convertvector(__builtin_shufflevector(s, s, 11, 11, 11, 11, 15, 15, 15, 15), U16x8);
    if (m != 255) {
      aLow = Div255v(aLow * m);
      aHigh = Div255v(aHigh * m);
    }
    Store(dst + i, Mix(s, Load(dst + i), aLow, aHigh));
  }
  for (; i < n; ++i) dst[i] = MixPixel(src[i], dst[i], Div255((src[i] >> 24) * m));
}

}  // namespace lw
