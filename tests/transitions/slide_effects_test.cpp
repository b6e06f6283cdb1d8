#include "transitions/slide_effects.h"

#include <gtest/gtest.h>

#include "tests/transitions/tslide_frames.h"
#include "transitions/transition_failure.h"

namespace lw {
namespace {

using test::PartFrames;

TEST(SlideEffects, SlideFromLeftDrawsTheFrameAtGrowingOffsets) {
  const Bitmap newImage(800, 600), oldImage(800, 600);
  auto parts = MakeSlideParts(5, newImage, oldImage, 4);
  const PartFrames frames = test::StepParts(parts);
  ASSERT_EQ(frames.size(), 4u);
  // Offsets -600, -400, -200, 0: only what has entered is painted, never
  // right of the frame.
  for (int i = 0; i < 4; ++i) {
    const int32_t entered = 200 * (i + 1);
    ASSERT_EQ(frames[i].size(), 1u);
    EXPECT_EQ(frames[i][0].dst, (Rect{0, 0, entered, 600}));
    EXPECT_EQ(frames[i][0].src, (Rect{800 - entered, 0, 800, 600}));
    EXPECT_EQ(frames[i][0].image, &newImage);
  }
}

TEST(SlideEffects, DoorOpenMovesTheOldHalvesApartAndFoldsFillTheCentre) {
  const Bitmap newImage = test::NumberedFrame(800, 600);
  const Bitmap oldImage(800, 600, test::kOldFill);
  auto parts = MakeSlideParts(10, newImage, oldImage, 4);
  const PartFrames frames = test::StepParts(parts);
  // The fold from the right of the centre spans leftward and takes a step more.
  ASSERT_EQ(frames.size(), 5u);
  struct Expect {
    Rect left, right, fold1, fold2;
  } expected[] = {
      {{0, 0, 400, 600}, {400, 0, 800, 600}, {399, 0, 499, 600}, {301, 0, 401, 600}},
      {{0, 0, 300, 600}, {500, 0, 800, 600}, {499, 0, 599, 600}, {201, 0, 301, 600}},
      {{0, 0, 200, 600}, {600, 0, 800, 600}, {599, 0, 699, 600}, {101, 0, 201, 600}},
      {{0, 0, 100, 600}, {700, 0, 800, 600}, {699, 0, 799, 600}, {1, 0, 101, 600}},
  };
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(frames[i].size(), 4u) << i;
    EXPECT_EQ(frames[i][0].dst, expected[i].left) << i;
    EXPECT_EQ(frames[i][1].dst, expected[i].right) << i;
    EXPECT_EQ(frames[i][0].image, &oldImage);
    EXPECT_EQ(frames[i][1].image, &oldImage);
    EXPECT_EQ(frames[i][2].dst, expected[i].fold1) << i;
    EXPECT_EQ(frames[i][3].dst, expected[i].fold2) << i;
    EXPECT_EQ(frames[i][2].image, &newImage);
  }
  // The left half carries its inner part outward.
  EXPECT_EQ(frames[3][0].src, (Rect{300, 0, 400, 600}));
  EXPECT_EQ(frames[3][1].src, (Rect{400, 0, 500, 600}));
  // Last frame: the spent halves are not drawn again; fold 2 reaches column 0
  // and fold 1 repeats its last strip.
  ASSERT_EQ(frames[4].size(), 2u);
  EXPECT_EQ(frames[4][0].dst, (Rect{699, 0, 799, 600}));
  EXPECT_EQ(frames[4][1].dst, (Rect{0, 0, 1, 600}));

  Bitmap target = oldImage;
  for (const auto& f : frames) test::ApplyPaints(f, target);
  // Only the last column waits for the exact final paint.
  const auto diff = test::Differences(target, newImage);
  ASSERT_EQ(diff.size(), 600u);
  EXPECT_EQ(diff.front(), std::make_pair(799, 0));
}

TEST(SlideEffects, FrameCounts) {
  // S = 30: q = 7, so the staggered effects run S + 9q = 93 frames.
  const Bitmap newImage(320, 200), oldImage(320, 200);
  for (int32_t e = 1; e <= 22; ++e) {
    auto parts = MakeSlideParts(e, newImage, oldImage, 30);
    size_t expected = 30;
    if (e == 10) expected = 31;
    if (e == 14 || e == 16 || e == 19 || e == 20) expected = 93;
    EXPECT_EQ(test::StepParts(parts).size(), expected) << "effect " << e;
  }
}

TEST(SlideEffects, UncoverTheWholeFrameWhenTheSizesDivideEvenly) {
  // With step counts that divide the frame, every piece ends exactly in its
  // place before the final paint (the door opening is checked above).
  const Bitmap newImage = test::NumberedFrame(400, 300);
  const Bitmap oldImage(400, 300, test::kOldFill);
  for (int32_t steps : {4, 20, 100}) {
    for (int32_t e = 1; e <= 22; ++e) {
      if (e == 10) continue;
      auto parts = MakeSlideParts(e, newImage, oldImage, steps);
      Bitmap target = oldImage;
      for (const auto& f : test::StepParts(parts)) test::ApplyPaints(f, target);
      EXPECT_TRUE(test::Differences(target, newImage).empty()) << "effect " << e << " S " << steps;
    }
  }
}

TEST(SlideEffects, PiecesStayInsideTheirFrame) {
  // Tiny and odd sizes included: the lower parts of effect 20 start one row
  // above the upper parts' end, which on a frame 5 rows high would be row -1.
  struct Size {
    int32_t w, h;
  } sizes[] = {{800, 600}, {801, 601}, {119, 95}, {7, 5}, {1, 1}, {3, 1}};
  for (const auto& sz : sizes) {
    const Bitmap newImage(sz.w, sz.h), oldImage(sz.w, sz.h);
    for (int32_t steps : {1, 3, 4, 32, 200, -4}) {
      for (int32_t e = 1; e <= 22; ++e) {
        auto parts = MakeSlideParts(e, newImage, oldImage, steps);
        for (const auto& frame : test::StepParts(parts)) {
          for (const auto& p : frame) {
            EXPECT_TRUE(test::Inside(p.dst, newImage) && test::Inside(p.src, newImage))
                << "effect " << e << " " << sz.w << "x" << sz.h << " S " << steps;
            EXPECT_EQ(p.dst.Width(), p.src.Width());
            EXPECT_EQ(p.dst.Height(), p.src.Height());
          }
        }
      }
    }
  }
}

TEST(SlideEffects, ZeroStepsFailEveryEffect) {
  const Bitmap newImage(64, 48), oldImage(64, 48);
  for (int32_t e = 1; e <= 22; ++e)
    EXPECT_THROW(MakeSlideParts(e, newImage, oldImage, 0), TransitionFailure) << "effect " << e;
}

}  // namespace
}  // namespace lw
