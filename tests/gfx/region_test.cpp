#include "gfx/region.h"

#include <gtest/gtest.h>

#include "tests/gfx/region_printers.h"

#include <string>
#include <vector>

namespace lw {
namespace {

using Picture = std::vector<std::string>;

// The region's pixels inside `window`, drawn from its bands: '#' inside.
Picture Draw(const Region& r, const Rect& window) {
  Picture rows(window.Height(), std::string(window.Width(), '.'));
  for (const Region::Band& band : r.Bands()) {
    for (int32_t y = band.top; y < band.bottom; ++y) {
      if (y < window.top || y >= window.bottom) continue;
      for (const Region::Span& s : band.spans) {
        for (int32_t x = s.left; x < s.right; ++x) {
          if (x >= window.left && x < window.right) rows[y - window.top][x - window.left] = '#';
        }
      }
    }
  }
  return rows;
}

Region Tri(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3) {
  return Region::Polygon({{x1, y1}, {x2, y2}, {x3, y3}, {x1, y1}});
}

TEST(Region, RectanglesAreHalfOpenAndNormalised) {
  struct Case {
    Rect in;
    Rect box;
  } cases[] = {
      {{1, 2, 4, 3}, {1, 2, 4, 3}},
      {{4, 3, 1, 2}, {1, 2, 4, 3}},   // swapped edges are put in order
      {{4, 2, 1, 3}, {1, 2, 4, 3}},
      {{5, 5, 5, 9}, {}},             // no width
      {{5, 5, 9, 5}, {}},             // no height
      {{-3, -2, 2, 1}, {-3, -2, 2, 1}},
  };
  for (const Case& c : cases) {
    Region r = Region::FromRect(c.in);
    EXPECT_EQ(r.ClipBox(), c.box);
    EXPECT_EQ(r.IsEmpty(), c.box.IsEmpty());
  }
  EXPECT_EQ(Draw(Region::FromRect({1, 1, 4, 3}), {0, 0, 5, 4}),
            (Picture{".....", ".###.", ".###.", "....."}));
}

TEST(Region, CombineModes) {
  const Region a = Region::FromRect({0, 0, 4, 4});
  const Region b = Region::FromRect({2, 2, 6, 6});
  const Rect window{0, 0, 6, 6};
  EXPECT_EQ(Draw(Region::Combine(a, b, CombineMode::kAnd), window),
            (Picture{"......", "......", "..##..", "..##..", "......", "......"}));
  EXPECT_EQ(Draw(Region::Combine(a, b, CombineMode::kOr), window),
            (Picture{"####..", "####..", "######", "######", "..####", "..####"}));
  EXPECT_EQ(Draw(Region::Combine(a, b, CombineMode::kXor), window),
            (Picture{"####..", "####..", "##..##", "##..##", "..####", "..####"}));
  EXPECT_EQ(Draw(Region::Combine(a, b, CombineMode::kDiff), window),
            (Picture{"####..", "####..", "##....", "##....", "......", "......"}));
  EXPECT_EQ(Region::Combine(a, b, CombineMode::kXor).ClipBox(), (Rect{0, 0, 6, 6}));
  EXPECT_EQ(Region::Combine(a, b, CombineMode::kDiff).ClipBox(), (Rect{0, 0, 4, 4}));
}

TEST(Region, CombineKeepsOneCanonicalForm) {
  const Region whole = Region::FromRect({0, 0, 8, 8});
  // Halves joined side by side and one above the other give the same bands.
  EXPECT_EQ(Region::Combine(Region::FromRect({0, 0, 3, 8}), Region::FromRect({3, 0, 8, 8}),
                            CombineMode::kOr),
            whole);
  EXPECT_EQ(Region::Combine(Region::FromRect({0, 0, 8, 5}), Region::FromRect({0, 5, 8, 8}),
                            CombineMode::kOr),
            whole);
  EXPECT_EQ(whole.Bands().size(), 1u);
  EXPECT_TRUE(Region::Combine(whole, whole, CombineMode::kXor).IsEmpty());
  EXPECT_TRUE(Region::Combine(whole, whole, CombineMode::kDiff).IsEmpty());
  EXPECT_EQ(Region::Combine(whole, Region(), CombineMode::kOr), whole);
  EXPECT_EQ(Region::Combine(Region(), whole, CombineMode::kXor), whole);
  EXPECT_TRUE(Region::Combine(whole, Region(), CombineMode::kAnd).IsEmpty());
  // Disjoint bands with a gap stay apart.
  Region gap = Region::Combine(Region::FromRect({0, 0, 2, 2}), Region::FromRect({0, 4, 2, 6}),
                               CombineMode::kOr);
  EXPECT_EQ(gap.Bands().size(), 2u);
  EXPECT_EQ(gap.ClipBox(), (Rect{0, 0, 2, 6}));
}

TEST(Region, UnionOfManyEqualsOrInOneByOne) {
  std::vector<Region> parts;
  Region oneByOne;
  for (int32_t k = 0; k < 13; ++k) {
    parts.push_back(Region::Ellipse({k * 7 % 40, k * 11 % 30, k * 7 % 40 + 12, k * 11 % 30 + 9}));
    oneByOne = Region::Combine(oneByOne, parts.back(), CombineMode::kOr);
  }
  EXPECT_EQ(Region::Union(parts), oneByOne);
  EXPECT_EQ(Region::Union({parts[3]}), parts[3]);
  EXPECT_TRUE(Region::Union({}).IsEmpty());
}

TEST(Region, EllipseLeavesOutLastColumnAndRow) {
  // A 5 x 3 box keeps 4 x 2 pixels, too small to show any rounding.
  EXPECT_EQ(Region::Ellipse({0, 0, 5, 3}), Region::FromRect({0, 0, 4, 2}));
  // An 8 x 8 box gives the 7-pixel circle.
  const Picture circle{"..###...", ".#####..", "#######.", "#######.",
                       "#######.", ".#####..", "..###...", "........"};
  EXPECT_EQ(Draw(Region::Ellipse({0, 0, 8, 8}), {0, 0, 8, 8}), circle);
  EXPECT_EQ(Region::Ellipse({8, 8, 0, 0}), Region::Ellipse({0, 0, 8, 8}));
  EXPECT_EQ(Region::Ellipse({10, 20, 18, 28}).ClipBox(), (Rect{10, 20, 17, 27}));
}

TEST(Region, EllipseIsSymmetricAndConvex) {
  struct Case {
    Rect box;
  } cases[] = {{{0, 0, 41, 17}}, {{0, 0, 40, 16}}, {{0, 0, 3, 30}}, {{0, 0, 30, 3}},
               {{-5, -7, 95, 64}}, {{0, 0, 300, 200}}};
  for (const Case& c : cases) {
    Region r = Region::Ellipse(c.box);
    Rect clip = r.ClipBox();
    EXPECT_EQ(clip, (Rect{c.box.left, c.box.top, c.box.right - 1, c.box.bottom - 1}));
    int32_t prevWidth = 0;
    for (int32_t y = clip.top; y < clip.bottom; ++y) {
      // One span per row, mirrored left to right and top to bottom.
      int32_t mirrorY = clip.top + clip.bottom - 1 - y;
      int32_t width = 0;
      for (int32_t x = clip.left; x < clip.right; ++x) {
        bool in = r.Contains(x, y);
        EXPECT_EQ(in, r.Contains(clip.left + clip.right - 1 - x, y)) << x << "," << y;
        EXPECT_EQ(in, r.Contains(x, mirrorY)) << x << "," << y;
        width += in;
      }
      if (y <= mirrorY) {
        EXPECT_GE(width, prevWidth) << y;
      }
      prevWidth = width;
      EXPECT_GT(width, 0) << y;
    }
  }
}

TEST(Region, RoundRectDegenerateCases) {
  // Corners below two pixels give the box without its last column and row.
  EXPECT_EQ(Region::RoundRect({0, 0, 10, 6}, 0, 0), Region::FromRect({0, 0, 9, 5}));
  EXPECT_EQ(Region::RoundRect({0, 0, 10, 6}, 1, 40), Region::FromRect({0, 0, 9, 5}));
  // A corner ellipse at least as large as the box gives the inscribed ellipse.
  EXPECT_EQ(Region::RoundRect({0, 0, 8, 8}, 100, 100), Region::Ellipse({0, 0, 8, 8}));
  EXPECT_EQ(Region::RoundRect({0, 0, 8, 8}, -100, -100), Region::Ellipse({0, 0, 8, 8}));
  // Boxes of one pixel or none have nothing left; two pixels leave one.
  EXPECT_TRUE(Region::RoundRect({3, 3, 4, 9}, 4, 4).IsEmpty());
  EXPECT_TRUE(Region::RoundRect({3, 3, 3, 3}, 4, 4).IsEmpty());
  EXPECT_EQ(Region::RoundRect({3, 3, 5, 5}, 4, 4), Region::FromRect({3, 3, 4, 4}));
  // A 4 x 4 corner ellipse cuts one pixel off each corner of a 10 x 10 box.
  EXPECT_EQ(Draw(Region::RoundRect({0, 0, 11, 11}, 4, 4), {0, 0, 11, 11}),
            (Picture{".########..", "##########.", "##########.", "##########.",
                     "##########.", "##########.", "##########.", "##########.",
                     "##########.", ".########..", "..........."}));
}

TEST(Region, PolygonEdgesFollowTheTopLeftRule) {
  // An axis-aligned polygon covers exactly the rectangle of its corners.
  EXPECT_EQ(Region::Polygon({{1, 1}, {5, 1}, {5, 4}, {1, 4}}), Region::FromRect({1, 1, 5, 4}));
  // Right triangle: the hypotenuse is a right edge, so it stays outside.
  EXPECT_EQ(Draw(Tri(0, 0, 0, 5, 5, 0), {0, 0, 6, 6}),
            (Picture{"#####.", "####..", "###...", "##....", "#.....", "......"}));
  // Samples exactly on slanted edges: left edge in, right edge out; the apex
  // lies on both and so stays outside.
  EXPECT_EQ(Draw(Tri(2, 0, 0, 4, 4, 4), {0, 0, 5, 5}),
            (Picture{".....", "..#..", ".##..", ".###.", "....."}));
  // Non-integer crossings round up to the next sample.
  EXPECT_EQ(Draw(Tri(0, 0, 0, 3, 5, 0), {0, 0, 6, 4}),
            (Picture{"#####.", "####..", "##....", "......"}));
  // Orientation does not matter.
  EXPECT_EQ(Tri(0, 0, 5, 0, 0, 5), Tri(0, 0, 0, 5, 5, 0));
}

TEST(Region, PolygonUsesTheWindingRule) {
  // A square traced twice has winding number 2 inside: filled, not a hole.
  EXPECT_EQ(Region::Polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}, {4, 0}, {4, 4}, {0, 4}}),
            Region::FromRect({0, 0, 4, 4}));
  // A bow tie: both lobes are filled although they wind in opposite senses.
  EXPECT_EQ(Draw(Region::Polygon({{0, 0}, {4, 4}, {4, 0}, {0, 4}}), {0, 0, 5, 5}),
            (Picture{".....", "#..#.", "####.", "#..#.", "....."}));
  // A pentagram: the centre pentagon winds twice and is filled as well.
  Region star = Region::Polygon({{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}});
  EXPECT_TRUE(star.Contains(10, 11));
  EXPECT_TRUE(star.Contains(10, 3));
  EXPECT_FALSE(star.Contains(2, 16));
  EXPECT_EQ(star.ClipBox(), (Rect{0, 1, 20, 20}));  // the apex point itself is a right edge
}

TEST(Region, PolyPolygonAddsWindingNumbers) {
  const std::vector<Point> a{{0, 0}, {6, 0}, {0, 6}};
  const std::vector<Point> b{{2, 2}, {8, 2}, {2, 8}};
  // Traced the same way round: the union.
  EXPECT_EQ(Region::PolyPolygon({a, b}),
            Region::Combine(Region::Polygon(a), Region::Polygon(b), CombineMode::kOr));
  // Opposite senses cancel where they overlap.
  const std::vector<Point> outer{{0, 0}, {6, 0}, {6, 6}, {0, 6}};
  const std::vector<Point> inner{{2, 2}, {2, 4}, {4, 4}, {4, 2}};
  EXPECT_EQ(Region::PolyPolygon({outer, inner}),
            Region::Combine(Region::FromRect({0, 0, 6, 6}), Region::FromRect({2, 2, 4, 4}),
                            CombineMode::kDiff));
  // Polygons far apart, and degenerate members, which add nothing.
  EXPECT_EQ(Region::PolyPolygon({{{0, 0}, {2, 0}, {2, 2}, {0, 2}}, {{0, 5}}, {{0, 90}, {2, 90}, {2, 92}, {0, 92}}}),
            Region::Combine(Region::FromRect({0, 0, 2, 2}), Region::FromRect({0, 90, 2, 92}),
                            CombineMode::kOr));
}

TEST(Region, DegeneratePolygonsAreEmpty) {
  EXPECT_TRUE(Region::Polygon({}).IsEmpty());
  EXPECT_TRUE(Region::Polygon({{0, 0}, {5, 5}}).IsEmpty());
  EXPECT_TRUE(Region::Polygon({{0, 0}, {5, 5}, {10, 10}}).IsEmpty());  // collinear
  EXPECT_TRUE(Region::Polygon({{0, 3}, {5, 3}, {9, 3}}).IsEmpty());    // flat
  EXPECT_TRUE(Tri(0, 0, 0, 0, 0, 0).IsEmpty());
}

TEST(Region, ContainsAgreesWithTheBands) {
  const Region shapes[] = {
      Region::Ellipse({-3, 2, 17, 13}),
      Region::Combine(Region::FromRect({0, 0, 9, 9}), Region::Ellipse({2, 2, 8, 8}),
                      CombineMode::kXor),
      Region::Polygon({{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}}),
  };
  for (const Region& r : shapes) {
    const Rect window{-5, -2, 22, 22};
    Picture p = Draw(r, window);
    for (int32_t y = window.top; y < window.bottom; ++y) {
      for (int32_t x = window.left; x < window.right; ++x) {
        EXPECT_EQ(r.Contains(x, y), p[y - window.top][x - window.left] == '#') << x << "," << y;
      }
    }
  }
}

Bitmap Numbered(int32_t w, int32_t h) {
  Bitmap b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.At(x, y) = 0xFF000000u | (y << 8) | x;
  return b;
}

TEST(Region, CopyWritesOnlyRegionPixelsInsideBoxAndBitmaps) {
  const Bitmap src = Numbered(10, 8);
  struct Case {
    const char* what;
    Region region;
    Rect box;
    int32_t dstW, dstH;
  } cases[] = {
      {"whole", Region::FromRect({0, 0, 10, 8}), {0, 0, 10, 8}, 10, 8},
      {"region beyond the bitmaps", Region::FromRect({-5, -5, 30, 30}), {-5, -5, 30, 30}, 10, 8},
      {"box narrower than region", Region::FromRect({0, 0, 10, 8}), {2, 1, 7, 5}, 10, 8},
      {"ellipse", Region::Ellipse({1, 1, 9, 7}), {0, 0, 10, 8}, 10, 8},
      {"xor ring", Region::Combine(Region::FromRect({0, 0, 10, 8}),
                                   Region::FromRect({3, 2, 7, 6}), CombineMode::kXor),
       {0, 0, 10, 8}, 10, 8},
      {"destination smaller", Region::FromRect({0, 0, 10, 8}), {0, 0, 10, 8}, 6, 5},
      {"destination larger", Region::FromRect({0, 0, 20, 20}), {0, 0, 20, 20}, 14, 12},
      {"empty box", Region::FromRect({0, 0, 10, 8}), {5, 5, 5, 9}, 10, 8},
  };
  for (const Case& c : cases) {
    Bitmap dst(c.dstW, c.dstH, 0x11111111u);
    CopyThroughRegion(dst, src, c.region, c.box);
    for (int32_t y = 0; y < dst.height; ++y) {
      for (int32_t x = 0; x < dst.width; ++x) {
        bool copied = c.region.Contains(x, y) && x >= c.box.left && x < c.box.right &&
                      y >= c.box.top && y < c.box.bottom && x < src.width && y < src.height;
        EXPECT_EQ(dst.At(x, y), copied ? src.At(x, y) : 0x11111111u)
            << c.what << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace lw
