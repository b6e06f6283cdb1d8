// Row kernels of blended drawing. Every channel, alpha included, becomes
// src·a + dst·(1 − a), rounded to the nearest value; a = weight / 255.
#pragma once
#include <cstdint>

namespace lw {

// One weight for the whole row.
void BlendRowConst(uint32_t* dst, const uint32_t* src, int32_t n, uint32_t weight);
// Weight per pixel: the source pixel's alpha times master / 255.
void BlendRow(uint32_t* dst, const uint32_t* src, int32_t n, uint8_t master);

// out := a·(256 − w)/256 + b·w/256 per channel, truncated; w in 0..256.
// The vertical half of bilinear sampling.
void LerpRows(uint32_t* out, const uint32_t* a, const uint32_t* b, int32_t n, uint32_t w);

// The same with a weight per pixel, given four times over (once per channel)
// in w4: the horizontal half of bilinear sampling.
void LerpPixels(uint32_t* out, const uint32_t* a, const uint32_t* b, const uint16_t* w4, int32_t n);

// x / 255 rounded to nearest, exact for 0 <= x <= 255 * 255.
constexpr uint32_t Div255(uint32_t x) {
  x += 128;
  return (x + (x >> 8)) >> 8;
}

}  // namespace lw
