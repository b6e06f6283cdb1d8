// Regions with GDI's meaning: y-sorted bands of x-spans, right and bottom
// edges exclusive. Building and combining cost what the shape's rows cost.
#pragma once
#include <cstdint>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/rect.h"

namespace lw {

struct Point {
  int32_t x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

enum class CombineMode { kAnd, kOr, kXor, kDiff };

class Region {
 public:
  struct Span {
    int32_t left, right;  // [left, right)
  };
  struct Band {
    int32_t top, bottom;  // [top, bottom)
    std::vector<Span> spans;
  };

  Region() = default;  // empty
  static Region FromRect(const Rect& r);                          // CreateRectRgn
  static Region Ellipse(const Rect& bounds);                      // CreateEllipticRgn
  static Region RoundRect(const Rect& bounds, int32_t ellipseWidth,
                          int32_t ellipseHeight);                 // CreateRoundRectRgn
  static Region Polygon(const std::vector<Point>& points);        // CreatePolygonRgn, WINDING

  static Region Combine(const Region& a, const Region& b, CombineMode mode);  // CombineRgn

  bool IsEmpty() const { return bands_.empty(); }
  Rect ClipBox() const;  // GetClipBox; the empty rectangle for an empty region
  bool Contains(int32_t x, int32_t y) const;
  const std::vector<Band>& Bands() const { return bands_; }

 private:
  std::vector<Band> bands_;
};

// Copies `box` of src into the same rectangle of dst, writing only the pixels
// inside the region (the region clip of a canvas copy). Clipped to both bitmaps.
void CopyThroughRegion(Bitmap& dst, const Bitmap& src, const Region& region, const Rect& box);

}  // namespace lw
