#include "gfx/blend.h"

#include <cstring>

// The vector helpers below are inline and file-local, so their calling
// convention on targets without SSE does not matter.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

namespace lw {
namespace {

// Four pixels as sixteen bytes; the products need 16-bit lanes, so each
// vector is widened into two halves of two pixels.
typedef uint8_t U8x16 __attribute__((vector_size(16)));
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

// Byte lanes 0..7 (8..15) zero-extended to 16 bits.
inline U16x8 Low(U8x16 v) {
  return (U16x8)__builtin_shufflevector(v, U8x16{}, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
}
inline U16x8 High(U8x16 v) {
  return (U16x8)__builtin_shufflevector(v, U8x16{}, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31);
}
// 16-bit lanes holding 0..255 narrowed back to bytes.
inline U8x16 Narrow(U16x8 lo, U16x8 hi) {
  return __builtin_shufflevector((U8x16)lo, (U8x16)hi, 0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30);
}

// s·a + d·(255 − a), divided by 255; a holds one weight per lane.
inline U16x8 MixHalf(U16x8 s, U16x8 d, U16x8 a) { return Div255v(s * a + d * (255 - a)); }

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
  for (; i + 4 <= n; i += 4) {
    const U8x16 sv = Load(src + i), dv = Load(dst + i);
    Store(dst + i, Narrow(MixHalf(Low(sv), Low(dv), a), MixHalf(High(sv), High(dv), a)));
  }
  for (; i < n; ++i) dst[i] = MixPixel(src[i], dst[i], weight);
}

void LerpRows(uint32_t* out, const uint32_t* a, const uint32_t* b, int32_t n, uint32_t w) {
  if (w == 0 || a == b) {
    std::memcpy(out, a, static_cast<size_t>(n) * 4);
    return;
  }
  const U16x8 wb = U16x8{} + static_cast<uint16_t>(w), wa = U16x8{} + static_cast<uint16_t>(256 - w);
  int32_t i = 0;
  for (; i + 4 <= n; i += 4) {
    const U8x16 av = Load(a + i), bv = Load(b + i);
    Store(out + i, Narrow((Low(av) * wa + Low(bv) * wb) >> 8, (High(av) * wa + High(bv) * wb) >> 8));
  }
  for (; i < n; ++i) {
    uint32_t r = 0;
    for (int shift = 0; shift < 32; shift += 8)
      r |= ((((a[i] >> shift) & 0xFF) * (256 - w) + ((b[i] >> shift) & 0xFF) * w) >> 8) << shift;
    out[i] = r;
  }
}

void LerpPixels(uint32_t* out, const uint32_t* a, const uint32_t* b, const uint16_t* w4, int32_t n) {
  int32_t i = 0;
  for (; i + 4 <= n; i += 4) {
    const U8x16 av = Load(a + i), bv = Load(b + i);
    U16x8 wl, wh;
    std::memcpy(&wl, w4 + 4 * i, sizeof wl);
    std::memcpy(&wh, w4 + 4 * i + 8, sizeof wh);
    Store(out + i, Narrow((Low(av) * (256 - wl) + Low(bv) * wl) >> 8, (High(av) * (256 - wh) + High(bv) * wh) >> 8));
  }
  for (; i < n; ++i) {
    const uint32_t w = w4[4 * i];
    uint32_t r = 0;
    for (int shift = 0; shift < 32; shift += 8)
      r |= ((((a[i] >> shift) & 0xFF) * (256 - w) + ((b[i] >> shift) & 0xFF) * w) >> 8) << shift;
    out[i] = r;
  }
}

namespace {

// True when every pixel's alpha is 255. Looks at blocks of 64 pixels and
// stops at the first block with a lower alpha: pictures with alpha show it early.
bool AllOpaque(const uint32_t* p, int32_t n) {
  typedef uint32_t U32x4 __attribute__((vector_size(16)));
  int32_t i = 0;
  for (; i + 64 <= n; i += 64) {
    U32x4 all = U32x4{} + 0xFF000000u;
    for (int32_t j = 0; j < 64; j += 4) {
      U32x4 v;
      std::memcpy(&v, p + i + j, sizeof v);
      all &= v;
    }
    if ((all[0] & all[1] & all[2] & all[3]) != 0xFF000000u) return false;
  }
  uint32_t a = 0xFF000000u;
  for (; i < n; ++i) a &= p[i];
  return a == 0xFF000000u;
}

template <bool kMaster>
void BlendRowAlpha(uint32_t* dst, const uint32_t* src, int32_t n, uint16_t m) {
  int32_t i = 0;
  for (; i + 4 <= n; i += 4) {
    const U8x16 sv = Load(src + i), dv = Load(dst + i);
    const U16x8 sLow = Low(sv), sHigh = High(sv);
    U16x8 aLow = __builtin_shufflevector(sLow, sLow, 3, 3, 3, 3, 7, 7, 7, 7);
    U16x8 aHigh = __builtin_shufflevector(sHigh, sHigh, 3, 3, 3, 3, 7, 7, 7, 7);
    if (kMaster) {
      aLow = Div255v(aLow * m);
      aHigh = Div255v(aHigh * m);
    }
    Store(dst + i, Narrow(MixHalf(sLow, Low(dv), aLow), MixHalf(sHigh, High(dv), aHigh)));
  }
  for (; i < n; ++i) dst[i] = MixPixel(src[i], dst[i], kMaster ? Div255((src[i] >> 24) * m) : src[i] >> 24);
}

}  // namespace

void BlendRow(uint32_t* dst, const uint32_t* src, int32_t n, uint8_t master) {
  if (master == 0 || n <= 0) return;
  if (AllOpaque(src, n))  // the master alpha alone weighs
    BlendRowConst(dst, src, n, master);
  else if (master == 255)
    BlendRowAlpha<false>(dst, src, n, master);
  else
    BlendRowAlpha<true>(dst, src, n, master);
}

}  // namespace lw
