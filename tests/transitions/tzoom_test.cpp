#include "transitions/tzoom.h"

#include <gtest/gtest.h>

#include <vector>

#include "transitions/zoom_effects.h"

namespace lw {
namespace {

// Steps every zoom of an effect to its end; the destinations per frame.
std::vector<std::vector<Rect>> Destinations(int32_t local, int32_t W, int32_t H, int32_t S,
                                            const Bitmap& image) {
  std::vector<TZoom> zooms;
  for (const ZoomLayout& z : ZoomLayouts(local, W, H, S)) {
    zooms.emplace_back();
    zooms.back().Init(z.x0, z.y0, z.width0, z.height0, S, z.dLeft, z.dTop, z.dRight, z.dBottom,
                      z.source.left, z.source.top, z.source.right, z.source.bottom, image);
  }
  std::vector<std::vector<Rect>> frames;
  for (bool more = true; more;) {
    more = false;
    frames.emplace_back();
    for (TZoom& z : zooms) {
      more |= z.Step();
      frames.back().push_back(z.DstRect);
    }
  }
  return frames;
}

TEST(TZoom, ZoomInAtFourStepsGrowsFromTheCentre) {
  const Bitmap image(800, 600);
  const auto frames = Destinations(1, 800, 600, 4, image);
  const std::vector<std::vector<Rect>> expected = {{{300, 225, 500, 375}},
                                                   {{200, 150, 600, 450}},
                                                   {{100, 75, 700, 525}},
                                                   {{0, 0, 800, 600}}};
  EXPECT_EQ(frames, expected);
}

TEST(TZoom, EveryEffectStartsAtItsPointOrEdgeAndEndsOnItsSource) {
  // 800 x 600 at S = 4; first-frame destination, last-frame destination and
  // source of every zoom, in slot order.
  struct Zoom { Rect first, last, source; };
  struct Case { int32_t local; std::vector<Zoom> zooms; };
  const Rect full{0, 0, 800, 600};
  const Case cases[] = {
      {2, {{{0, 0, 200, 150}, full, full}}},
      {3, {{{600, 0, 800, 150}, full, full}}},
      {4, {{{0, 450, 200, 600}, full, full}}},
      {5, {{{600, 450, 800, 600}, full, full}}},
      {6, {{{0, 0, 200, 600}, full, full}}},
      {7, {{{0, 0, 800, 150}, full, full}}},
      {8, {{{600, 0, 800, 600}, full, full}}},
      {9, {{{0, 450, 800, 600}, full, full}}},
      {10, {{{0, 0, 100, 600}, {0, 0, 400, 600}, {0, 0, 400, 600}},
            {{700, 0, 800, 600}, {400, 0, 800, 600}, {400, 0, 800, 600}}}},
      {11, {{{0, 0, 800, 75}, {0, 0, 800, 300}, {0, 0, 800, 300}},
            {{0, 525, 800, 600}, {0, 300, 800, 600}, {0, 300, 800, 600}}}},
      // Quarters grow by 50 x 37.5 per step about their own centres;
      // 112.5 and 412.5 round to the even neighbour.
      {12, {{{150, 112, 250, 188}, {0, 0, 400, 300}, {0, 0, 400, 300}},
            {{550, 112, 650, 188}, {400, 0, 800, 300}, {400, 0, 800, 300}},
            {{150, 412, 250, 488}, {0, 300, 400, 600}, {0, 300, 400, 600}},
            {{550, 412, 650, 488}, {400, 300, 800, 600}, {400, 300, 800, 600}}}},
  };
  const Bitmap image(800, 600);
  for (const Case& c : cases) {
    const auto frames = Destinations(c.local, 800, 600, 4, image);
    ASSERT_EQ(frames.size(), 4u) << c.local;
    const auto layouts = ZoomLayouts(c.local, 800, 600, 4);
    ASSERT_EQ(layouts.size(), c.zooms.size()) << c.local;
    for (size_t i = 0; i < c.zooms.size(); ++i) {
      EXPECT_EQ(frames.front()[i], c.zooms[i].first) << c.local << " zoom " << i;
      EXPECT_EQ(frames.back()[i], c.zooms[i].last) << c.local << " zoom " << i;
      EXPECT_EQ(layouts[i].source, c.zooms[i].source) << c.local << " zoom " << i;
    }
  }
}

TEST(TZoom, NoStepsLeftKeepsTheLastDestination) {
  const Bitmap image(40, 30);
  TZoom z;
  z.Init(0, 0, 0, 30, 2, 0, 0, 20, 0, 0, 0, 40, 30, image);
  EXPECT_TRUE(z.Step());
  EXPECT_FALSE(z.Step());
  EXPECT_EQ(z.DstRect, (Rect{0, 0, 40, 30}));
  EXPECT_FALSE(z.Step());
  EXPECT_EQ(z.DstRect, (Rect{0, 0, 40, 30}));
  EXPECT_EQ(z.Steps, 0);
}

TEST(TZoom, OutsideTheFamilyThereAreNoZooms) {
  EXPECT_TRUE(ZoomLayouts(0, 800, 600, 4).empty());
  EXPECT_TRUE(ZoomLayouts(13, 800, 600, 4).empty());
}

}  // namespace
}  // namespace lw
