#include "transitions/unfold_effects.h"

#include <gtest/gtest.h>

#include "tests/transitions/tslide_frames.h"
#include "transitions/transition_failure.h"
#include "transitions/tfold.h"

namespace lw {
namespace {

TEST(UnfoldEffects, UnfoldFromLeftUncoversAQuarterPerFrame) {
  const Bitmap newImage = test::NumberedFrame(640, 480);
  Bitmap target(640, 480, test::kOldFill);
  auto parts = MakeUnfoldParts(1, newImage, 4);
  const auto frames = test::StepParts(parts);
  ASSERT_EQ(frames.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    test::ApplyPaints(frames[i], target);
    const int32_t uncovered = 160 * (i + 1);
    // Left of the edge the new frame, right of it still the old one.
    EXPECT_EQ(target.At(uncovered - 1, 479), newImage.At(uncovered - 1, 479));
    if (uncovered < 640) {
      EXPECT_EQ(target.At(uncovered, 0), test::kOldFill);
    }
  }
  EXPECT_TRUE(test::Differences(target, newImage).empty());
}

TEST(UnfoldEffects, FrameCounts) {
  // 320 x 200 at S = 32: h = 16; combs n = 32; sweeps n = 10; downloads n = 8.
  struct Case {
    int32_t effect;
    size_t frames;
  } cases[] = {
      {23, 32}, {24, 33}, {25, 32}, {26, 33}, {27, 32}, {28, 33}, {29, 33}, {30, 33},
      {31, 33}, {32, 33}, {33, 34}, {34, 33}, {35, 33}, {36, 32 + 9 * 16}, {37, 33},
      {38, 32 + 9 * 16}, {39, 33}, {40, 33}, {41, 75}, {42, 75},  // Round(2.35 S)
      {43, 32}, {44, 32}, {45, 64}, {46, 64}, {47, 64}, {48, 65}, {49, 65}, {50, 64},
      {51, 33}, {52, 64}, {53, 65}, {54, 65}, {55, 64}, {56, 33}, {57, 64}, {58, 64},
      {59, 64}, {60, 64}, {61, 101}, {62, 101}, {63, 32}, {64, 32},
  };
  const Bitmap newImage(320, 200);
  for (const auto& c : cases) {
    auto parts = MakeUnfoldParts(c.effect - 22, newImage, 32);
    EXPECT_EQ(test::StepParts(parts).size(), c.frames) << "effect " << c.effect;
  }
}

TEST(UnfoldEffects, UncoverTheWholeFrameWhenTheSizesDivideEvenly) {
  const Bitmap newImage = test::NumberedFrame(400, 300);
  for (int32_t steps : {4, 20, 100}) {
    for (int32_t e = 23; e <= 64; ++e) {
      auto parts = MakeUnfoldParts(e - 22, newImage, steps);
      Bitmap target(400, 300, test::kOldFill);
      for (const auto& f : test::StepParts(parts)) test::ApplyPaints(f, target);
      const auto diff = test::Differences(target, newImage);
      if (e == 59) {
        // Both combs from the far corner stop one line short of it; the
        // corner pixel is left to the final paint.
        ASSERT_EQ(diff.size(), 1u) << "S " << steps;
        EXPECT_EQ(diff[0], std::make_pair(399, 299));
      } else {
        EXPECT_TRUE(diff.empty()) << "effect " << e << " S " << steps << ": " << diff.size();
      }
    }
  }
}

TEST(UnfoldEffects, FoldsStayInsideTheirFrame) {
  struct Size {
    int32_t w, h;
  } sizes[] = {{801, 601}, {119, 95}, {7, 5}, {4, 4}, {1, 1}};
  for (const auto& sz : sizes) {
    const Bitmap newImage(sz.w, sz.h);
    for (int32_t steps : {4, 32, 200, -4}) {
      for (int32_t e = 23; e <= 64; ++e) {
        std::vector<std::unique_ptr<TransitionPart>> parts;
        try {
          parts = MakeUnfoldParts(e - 22, newImage, steps);
        } catch (const TransitionFailure&) {
          continue;  // combs and downloads on frames too small for one pass
        }
        for (const auto& frame : test::StepParts(parts))
          for (const auto& p : frame) {
            EXPECT_TRUE(test::Inside(p.dst, newImage)) << "effect " << e << " " << sz.w << "x" << sz.h;
            EXPECT_EQ(p.src, p.dst);
          }
      }
    }
  }
}

TEST(UnfoldEffects, CombsKeepTeethAtLeastOnePixelWide) {
  // Effect 43 on a frame 6 wide at S = 32: three passes of a one-pixel tooth
  // two pixels apart.
  const Bitmap newImage(6, 10);
  auto parts = MakeUnfoldParts(43 - 22, newImage, 32);
  ASSERT_EQ(parts.size(), 2u);
  const auto* left = dynamic_cast<const TFold*>(parts[0].get());
  EXPECT_EQ(left->Steps, 3);
  EXPECT_EQ(left->EX, 1.0);
  EXPECT_EQ(left->DX, 2.0);
}

TEST(UnfoldEffects, ArithmeticThatWouldDivideByZeroFails) {
  struct Case {
    int32_t effect, w, h, steps;
    bool fails;
  } cases[] = {
      {23, 64, 48, 0, true},    // W / S
      {42, 64, 48, 0, true},
      {61, 64, 48, 0, false},   // the sweeps take at least four passes whatever S is
      {62, 64, 48, 0, false},
      {63, 64, 48, 3, true},    // S div 4 = 0 passes
      {64, 64, 3, 32, true},    // H div 4 = 0 passes
      {63, 64, 48, 4, false},
      {43, 1, 48, 32, true},    // W div 2 = 0 passes
      {57, 64, 1, 32, true},    // the cross lines count passes by the height
  };
  for (const auto& c : cases) {
    const Bitmap newImage(c.w, c.h);
    if (c.fails)
      EXPECT_THROW(MakeUnfoldParts(c.effect - 22, newImage, c.steps), TransitionFailure) << c.effect;
    else
      EXPECT_NO_THROW(MakeUnfoldParts(c.effect - 22, newImage, c.steps)) << c.effect;
  }
}

}  // namespace
}  // namespace lw
