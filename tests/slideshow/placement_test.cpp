#include "slideshow/placement.h"

#include <gtest/gtest.h>

#include "common/random.h"

namespace lw {
namespace {

struct ModeCase {
  const char* what;
  int32_t mode, W, H, w, h;
  Rect expected;
};

TEST(PictureRect, FixedModes) {
  const ModeCase cases[] = {
      {"fit, wide picture: truncated halves", 0, 1024, 768, 1000, 500, {0, 128, 1024, 640}},
      {"fit, tall picture", 0, 1024, 768, 300, 600, {320, 0, 704, 768}},
      // Equal proportions take the fit-by-width rule: with an odd width only
      // that rule keeps the whole width.
      {"fit, exact proportions", 0, 1025, 768, 2050, 1536, {0, 0, 1025, 768}},
      {"stretch", 1, 1024, 768, 10, 3000, {0, 0, 1024, 768}},
      {"natural centred", 2, 1024, 768, 100, 81, {462, 343, 562, 424}},
      {"natural centred, larger: cropped both sides", 2, 1024, 768, 2000, 1000, {-488, -116, 1512, 884}},
      {"fit when larger: larger", 4, 1024, 768, 2000, 1000, {0, 128, 1024, 640}},
      {"fit when larger: smaller stays natural", 4, 1024, 768, 100, 81, {462, 343, 562, 424}},
      {"fit when larger: only taller", 4, 1024, 768, 100, 1536, {487, 0, 537, 768}},
  };
  for (const ModeCase& c : cases) {
    EXPECT_EQ(PictureRect(c.mode, c.W, c.H, c.w, c.h), c.expected) << c.what;
  }
}

TEST(PictureRect, NaturalRandomAsWideAsTheFrame) {
  SetRandSeed(12345);
  Rect r = PictureRect(3, 1024, 768, 1024, 500);
  SetRandSeed(12345);
  int32_t x = Random(0);
  int32_t y = Random(268);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(r, (Rect{0, y, 1024, y + 500}));
}

TEST(PictureRect, NaturalRandomLargerThanTheFrameIsCroppedSomewhere) {
  for (uint32_t seed = 0; seed < 200; ++seed) {
    SetRandSeed(seed);
    Rect r = PictureRect(3, 1024, 768, 1300, 900);
    EXPECT_EQ(r.Width(), 1300);
    EXPECT_EQ(r.Height(), 900);
    EXPECT_LE(r.left, 0);
    EXPECT_GT(r.left, -276);
    EXPECT_LE(r.top, 0);
    EXPECT_GT(r.top, -132);
  }
}

TEST(PictureRect, RandomFitStaysInsideTheFrame) {
  const Rect fitted = FitRect(1024, 768, 4000, 1000);  // 1024 x 256, free band above and below
  for (int32_t mode : {5, 9, -7}) {
    bool moved = false;
    for (uint32_t seed = 0; seed < 200; ++seed) {
      SetRandSeed(seed);
      Rect r = PictureRect(mode, 1024, 768, 4000, 1000);
      EXPECT_EQ(r.Width(), fitted.Width());
      EXPECT_EQ(r.Height(), fitted.Height());
      EXPECT_EQ(r.left, 0);
      EXPECT_GE(r.top, 0);
      EXPECT_LE(r.bottom, 768);
      moved |= r.top != fitted.top;
    }
    EXPECT_TRUE(moved) << mode;
  }
}

TEST(PictureRect, ModeFiveWithSmallPictureIsNaturalRandom) {
  SetRandSeed(99);
  Rect r = PictureRect(5, 1024, 768, 100, 50);
  SetRandSeed(99);
  int32_t x = Random(924), y = Random(718);
  EXPECT_EQ(r, (Rect{x, y, x + 100, y + 50}));
}

TEST(FitRect, RoundsHalvesToEven) {
  // 1001 * 1024 / 2048 = 500.5 -> 500; 1003 * 1024 / 2048 = 501.5 -> 502.
  EXPECT_EQ(FitRect(1024, 768, 2048, 1001), (Rect{0, 134, 1024, 634}));
  EXPECT_EQ(FitRect(1024, 768, 2048, 1003), (Rect{0, 133, 1024, 635}));
  EXPECT_EQ(FitRect(1024, 768, 768, 1024), (Rect{224, 0, 800, 768}));
}

TEST(FitRect, ZeroSizeGivesTheWholeArea) {
  EXPECT_EQ(FitRect(1024, 768, 0, 50), (Rect{0, 0, 1024, 768}));
  EXPECT_EQ(FitRect(1024, 768, 50, 0), (Rect{0, 0, 1024, 768}));
  EXPECT_EQ(FitRect(0, 768, 50, 50), (Rect{0, 0, 0, 768}));
}

TEST(FitRect, HugePictureDoesNotOverflow) {
  EXPECT_EQ(FitRect(1920, 1080, 2000000000, 1500000000), (Rect{240, 0, 1680, 1080}));
}

TEST(PlaceVideoPanel, Modes) {
  const Rect small{0, 0, 320, 240};
  const Rect big{0, 0, 2048, 1024};
  EXPECT_EQ(PlaceVideoPanel(1, 1024, 768, small), (PanelPlacement{0, 0, 1024, 768}));
  // Fit works on the size plus one and makes the panel one larger again.
  Rect f = FitRect(1024, 768, 321, 241);
  EXPECT_EQ(PlaceVideoPanel(0, 1024, 768, small),
            (PanelPlacement{f.left, f.top, f.Width() + 1, f.Height() + 1}));
  EXPECT_EQ(PlaceVideoPanel(2, 1024, 768, small), (PanelPlacement{352, 264, 321, 241}));
  EXPECT_EQ(PlaceVideoPanel(4, 1024, 768, small), (PanelPlacement{352, 264, 321, 241}));
  Rect g = FitRect(1024, 768, 2049, 1025);
  EXPECT_EQ(PlaceVideoPanel(2, 1024, 768, big), (PanelPlacement{g.left, g.top, g.Width() + 1, g.Height() + 1}));
}

TEST(PlaceVideoPanel, RandomModesFitALargerVideo) {
  const Rect big{0, 0, 2048, 1024};
  SetRandSeed(7);
  PanelPlacement p = PlaceVideoPanel(3, 1024, 768, big);
  SetRandSeed(7);
  int32_t left = Random(0), top = Random(768 - 512);
  EXPECT_EQ(p, (PanelPlacement{left, top, 1024, 512}));

  // As large as the screen plus the extra pixel: no room, no crash.
  PanelPlacement q = PlaceVideoPanel(5, 1024, 768, Rect{0, 0, 1024, 768});
  EXPECT_EQ(q, (PanelPlacement{0, 0, 1025, 769}));
}

struct AnchorCase {
  int32_t anchor, x, y;
  Rect expected;
};

TEST(PlaceByAnchor, EveryAnchorOnA1024x768Frame) {
  // A 100 x 50 block.
  const AnchorCase cases[] = {
      {0, 10, 20, {10, 20, 110, 70}},      {1, 10, 20, {914, 20, 1014, 70}},
      {2, 10, 20, {472, 20, 572, 70}},     {3, 10, 20, {10, 698, 110, 748}},
      {4, 10, 20, {914, 698, 1014, 748}},  {5, 10, 20, {472, 698, 572, 748}},
      {9, 10, 20, {472, 379, 572, 429}},   {-1, 10, 20, {472, 379, 572, 429}},
      {6, -10, -20, {452, 339, 552, 389}},
  };
  for (const AnchorCase& c : cases) {
    EXPECT_EQ(PlaceByAnchor(1024, 768, 100, 50, c.anchor, c.x, c.y), c.expected) << c.anchor;
  }
}

TEST(PlaceByAnchor, CentringTruncatesTowardZero) {
  // (1024 - 1101) / 2 = -38.5 -> -38
  EXPECT_EQ(PlaceByAnchor(1024, 768, 1101, 51, 7, 0, 0), (Rect{-38, 358, 1063, 409}));
}

TEST(PlaceByAnchor, AbsurdMarginsDoNotOverflow) {
  Rect r = PlaceByAnchor(1024, 768, 100, 50, 4, INT32_MIN, INT32_MAX);
  EXPECT_GT(r.left, 1024);
  EXPECT_LT(r.bottom, 0);
  EXPECT_EQ(r.Width(), 100);
}

}  // namespace
}  // namespace lw
