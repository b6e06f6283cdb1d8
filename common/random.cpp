#include "common/random.h"

#include <atomic>
#include <chrono>

namespace lw {
namespace {
// Atomic so the transition worker and the UI thread never race on it; the
// sequence each of them sees is still the plain LCG.
std::atomic<uint32_t> g_seed{0};

uint32_t NextSeed() {
  uint32_t s = g_seed.load(std::memory_order_relaxed);
  uint32_t n;
  do {
    n = s * 0x08088405u + 1u;
  } while (!g_seed.compare_exchange_weak(s, n, std::memory_order_relaxed));
  return n;
}
}  // namespace

int32_t Random(int32_t n) {
  uint32_t s = NextSeed();
  if (n <= 0) return 0;
  return static_cast<int32_t>((static_cast<uint64_t>(static_cast<uint32_t>(n)) * s) >> 32);
}

double RandomReal() { return NextSeed() / 4294967296.0; }

void SetRandSeed(uint32_t seed) { g_seed.store(seed, std::memory_order_relaxed); }

uint32_t RandSeed() { return g_seed.load(std::memory_order_relaxed); }

void Randomize() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  SetRandSeed(static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
}

}  // namespace lw
