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

TEST(TransitionSteps, TableAndRule) {
  const int32_t w800[] = {800, 600, 400, 200, 100, 60, 40, 20, 8, 4};
  const int32_t w1024[] = {1024, 768, 400, 256, 128, 64, 32, 16, 8, 4};
  for (int32_t s = 1; s <= 10; ++s) {
    EXPECT_EQ(TransitionSteps(s, 800), w800[s - 1]) << s;
    EXPECT_EQ(TransitionSteps(s, 1024), w1024[s - 1]) << s;
  }
  EXPECT_EQ(TransitionSteps(4, 1920), 480);
  EXPECT_EQ(TransitionSteps(7, 1920), 272);  // 274 down to a multiple of 4
  EXPECT_EQ(TransitionSteps(3, 1280), 424);  // 426 -> 424
}

TEST(TransitionSteps, NeverZeroAndSpeedOutsideTheRange) {
  EXPECT_EQ(TransitionSteps(10, 30), 4);
  EXPECT_EQ(TransitionSteps(0, 1920), TransitionSteps(1, 1920));
  EXPECT_EQ(TransitionSteps(-3, 1920), TransitionSteps(1, 1920));
  EXPECT_EQ(TransitionSteps(11, 800), 4);
}

}  // namespace
}  // namespace lw
