#include "transitions/fade_mix.h"

#include <gtest/gtest.h>

#include <vector>

namespace lw {
namespace {

// a * w / 255 + b * (255 - w) / 255 for one byte, rounded to nearest.
uint8_t RefMix(uint32_t a, uint32_t b, uint32_t w) {
  return static_cast<uint8_t>((2 * (a * w + b * (255 - w)) + 255) / 510);
}

uint32_t RefPixel(uint32_t over, uint32_t under, uint32_t w) {
  uint32_t r = 0;
  for (int s = 0; s < 32; s += 8) r |= uint32_t{RefMix((over >> s) & 255, (under >> s) & 255, w)} << s;
  return r;
}

std::vector<uint32_t> Pattern(size_t n, uint32_t seed) {
  std::vector<uint32_t> v(n);
  for (auto& p : v) p = seed = seed * 1664525u + 1013904223u;
  return v;
}

// Counts cover empty rows, a lone pixel, rows shorter than one vector block
// and rows with a tail after whole blocks.
constexpr size_t kCounts[] = {0, 1, 7, 8, 9, 33, 1000};
constexpr uint8_t kWeights[] = {0, 1, 64, 127, 128, 191, 254, 255};

TEST(FadeMix, MixMatchesRoundedFormulaForEveryByte) {
  for (size_t n : kCounts)
    for (uint8_t w : kWeights) {
      const auto over = Pattern(n, 1), under = Pattern(n, 2);
      std::vector<uint32_t> out(n, 0xDEADBEEF);
      MixPixels(over.data(), under.data(), out.data(), n, w);
      for (size_t i = 0; i < n; ++i)
        ASSERT_EQ(out[i], RefPixel(over[i], under[i], w)) << "n=" << n << " w=" << int(w) << " i=" << i;
    }
}

TEST(FadeMix, MixInPlaceOverTheUnderImage) {
  const auto over = Pattern(100, 3);
  auto under = Pattern(100, 4);
  const auto before = under;
  MixPixels(over.data(), under.data(), under.data(), under.size(), 191);
  for (size_t i = 0; i < under.size(); ++i) ASSERT_EQ(under[i], RefPixel(over[i], before[i], 191));
}

TEST(FadeMix, ExhaustiveByteRoundingAtKeyWeights) {
  // Every byte pair through the vector path: 256 x 256 bytes per weight.
  std::vector<uint32_t> over(256 * 64), under(256 * 64), out(256 * 64);
  auto* a = reinterpret_cast<uint8_t*>(over.data());
  auto* b = reinterpret_cast<uint8_t*>(under.data());
  for (uint32_t i = 0; i < 65536; ++i) {
    a[i] = static_cast<uint8_t>(i >> 8);
    b[i] = static_cast<uint8_t>(i);
  }
  for (uint8_t w : kWeights) {
    MixPixels(over.data(), under.data(), out.data(), out.size(), w);
    const auto* o = reinterpret_cast<const uint8_t*>(out.data());
    for (uint32_t i = 0; i < 65536; ++i) ASSERT_EQ(o[i], RefMix(i >> 8, i & 255, w)) << i;
  }
}

TEST(FadeMix, ScaleIsMixWithBlack) {
  for (size_t n : kCounts)
    for (uint8_t w : kWeights) {
      const auto src = Pattern(n, 5);
      std::vector<uint32_t> out(n, 0xDEADBEEF);
      ScalePixels(src.data(), out.data(), n, w);
      for (size_t i = 0; i < n; ++i) ASSERT_EQ(out[i], RefPixel(src[i], 0, w));
    }
}

}  // namespace
}  // namespace lw
