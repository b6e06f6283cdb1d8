// Regions with GDI's meaning: y-sorted bands of x-spans, right and bottom
// edges exclusive. Building and combining cost what the shape's rows cost.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/rect.h"

namespace lw {

// Regions live in GDI's 28-bit coordinate space; polygon vertices are
// clamped to it, which keeps every product of the edge arithmetic in 64 bits.
constexpr int32_t kRegionCoordLimit = 1 << 27;

struct Point {
  int32_t x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

enum class CombineMode { kAnd, kOr, kXor, kDiff };

class Region {
 public:
  struct Span {
    int32_t left, right;  // [left, right)
    bool operator==(const Span&) const = default;
  };
  struct Band {
    int32_t top, bottom;  // [top, bottom)
    std::vector<Span> spans;
    bool operator==(const Band&) const = default;
  };

  Region() = default;  // empty

  // CreateRectRgn: the pixels [left, right) x [top, bottom); swapped edges are
  // put in order first.
  static Region FromRect(const Rect& r);
  // CreateEllipticRgn: RoundRect(bounds, width, height).
  static Region Ellipse(const Rect& bounds);
  // CreateRoundRectRgn. Like GDI, a rounded region leaves out the last column
  // and row of its bounds. The corner ellipse is clamped to that smaller box
  // (so a box no larger than the ellipse gives the inscribed ellipse); below
  // two pixels on either axis the region is the plain box. The ellipse's
  // pixels are those a midpoint ellipse rasteriser plots, filled in.
  static Region RoundRect(const Rect& bounds, int32_t ellipseWidth, int32_t ellipseHeight);
  // CreatePolygonRgn with the WINDING rule, closed implicitly. Pixel (x, y) is
  // sampled at the point (x, y) and is inside when the winding number there is
  // not zero; a sample exactly on an edge counts that edge as lying to its
  // left, so left and top edges are inside, right and bottom edges outside.
  // Fewer than three points give the empty region.
  static Region Polygon(const std::vector<Point>& points);
  // CreatePolyPolygonRgn with the WINDING rule: the winding numbers of all
  // the polygons add up, so polygons traced the same way round give their union.
  static Region PolyPolygon(const std::vector<std::vector<Point>>& polygons);

  static Region Combine(const Region& a, const Region& b, CombineMode mode);  // CombineRgn
  // The union of many regions, the same as OR-ing them in one by one, in one
  // pass over all their bands.
  static Region Union(std::vector<Region> parts);

  bool IsEmpty() const { return bands_.empty(); }
  Rect ClipBox() const;  // GetClipBox; the empty rectangle for an empty region
  bool Contains(int32_t x, int32_t y) const;
  const std::vector<Band>& Bands() const { return bands_; }
  // Regions are kept in one canonical form, so equal pixel sets compare equal.
  bool operator==(const Region&) const = default;

 private:
  friend class RegionBuilder;
  std::vector<Band> bands_;
};

// Builds a region band by band, top to bottom, keeping the canonical form:
// touching spans merge, empty bands vanish, and a band equal to the one just
// above it extends that band.
class RegionBuilder {
 public:
  // `spans` must be sorted by left; `top` must not be above the previous band's bottom.
  void AddBand(int32_t top, int32_t bottom, const std::vector<Region::Span>& spans);
  Region Finish() { return std::move(region_); }

 private:
  Region region_;
  std::vector<Region::Span> merged_;
};

// Copies `box` of src into the same rectangle of dst, writing only the pixels
// inside the region (the region clip of a canvas copy). Clipped to both bitmaps.
void CopyThroughRegion(Bitmap& dst, const Bitmap& src, const Region& region, const Rect& box);

}  // namespace lw
