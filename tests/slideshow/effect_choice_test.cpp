#include "slideshow/effect_choice.h"

#include <gtest/gtest.h>

#include "common/random.h"

namespace lw {
namespace {

TEST(RandomEffect, DrawsEachSelectedCodeAboutEqually) {
  SetRandSeed(2024);
  int fives = 0, sevens = 0;
  for (int i = 0; i < 10000; ++i) {
    int32_t e = RandomEffect("\x05\x07");
    if (e == 5) ++fives;
    else if (e == 7) ++sevens;
    else FAIL() << e;
  }
  EXPECT_NEAR(fives, 5000, 300);
  EXPECT_NEAR(sevens, 5000, 300);
}

TEST(RandomEffect, EmptySelectionIsNoTransitionAndDrawsNothing) {
  SetRandSeed(55);
  EXPECT_EQ(RandomEffect(""), 0);
  EXPECT_EQ(RandSeed(), 55u);
}

TEST(RandomEffect, HighCodesStayPositive) {
  EXPECT_EQ(RandomEffect("\xC8"), 200);
}

}  // namespace
}  // namespace lw
