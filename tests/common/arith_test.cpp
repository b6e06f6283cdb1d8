#include "common/arith.h"

#include <gtest/gtest.h>

#include <climits>

namespace lw {

TEST(Arith, RoundHalvesToEven) {
  struct Case { double in; int64_t out; } cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
      {0.49, 0}, {0.51, 1}, {-0.51, -1}, {1e9 + 0.5, 1000000000}, {3.0, 3}};
  for (const auto& c : cases) EXPECT_EQ(Round(c.in), c.out) << c.in;
}

TEST(Arith, TruncAndCeil) {
  EXPECT_EQ(Trunc(-1.7), -1);
  EXPECT_EQ(Trunc(1.7), 1);
  EXPECT_EQ(Ceil(-1.7), -1);
  EXPECT_EQ(Ceil(1.2), 2);
  EXPECT_EQ(Ceil(2.0), 2);
}

TEST(Arith, MulDivLikeWindows) {
  struct Case { int32_t a, b, c, out; } cases[] = {
      {10, 10, 3, 33},          // 33.33 rounds down
      {10, 10, 6, 17},          // 16.67 rounds up
      {1, 1, 2, 1},             // half away from zero
      {-1, 1, 2, -1},           // negative half away from zero
      {3, 1, -2, -2},           // negative divisor
      {-3, -1, 2, 2},
      {5, 0, 7, 0},
      {7, 3, 0, -1},            // division by zero
      {INT_MAX, 2, 1, -1},      // overflow
      {INT_MAX, 2, 2, INT_MAX}, // intermediate needs 64 bits
      {INT_MIN, 1, 1, -1},      // -2^31 is out of range too
      {255, 1024, 256, 1020},
  };
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.out) << c.a << "*" << c.b << "/" << c.c;
}

}  // namespace lw
