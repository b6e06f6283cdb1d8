#include "common/random.h"

#include <gtest/gtest.h>

namespace lw {

TEST(Random, MatchesTheLcgBitForBit) {
  SetRandSeed(0);
  // seeds 1, 0x08088406, 0xDC6DAC1F, 0x33DC589C, 0x45DE2B0D scaled by 1000
  const int32_t expected[] = {0, 31, 861, 202, 272};
  for (int32_t e : expected) EXPECT_EQ(Random(1000), e);
  EXPECT_EQ(RandSeed(), 0x45DE2B0Du);
}

TEST(Random, EmptyRangeGivesZeroAndStillAdvances) {
  SetRandSeed(7);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(RandSeed(), 7u * 0x08088405u + 1u);
  EXPECT_EQ(Random(-5), 0);
}

}  // namespace lw
