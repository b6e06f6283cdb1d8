#include "slideshow/gradient.h"

#include <algorithm>
#include <vector>

#include "common/arith.h"
#include "gfx/copy.h"
#include "gfx/pixels.h"
#include "gfx/region.h"

namespace lw {
namespace {

class Painter {
 public:
  Painter(Bitmap& bmp, ColorValue c1, ColorValue c2)
      : bmp_(bmp),
        r1_(c1 & 0xFF), g1_((c1 >> 8) & 0xFF), b1_((c1 >> 16) & 0xFF),
        dr_(int32_t(c2 & 0xFF) - r1_), dg_(int32_t((c2 >> 8) & 0xFF) - g1_), db_(int32_t((c2 >> 16) & 0xFF) - b1_) {}

  // Step i of n; every channel keeps its lowest byte, so MulDiv's -1 for n = 0
  // wraps as the 8-bit colour would.
  uint32_t Color(int32_t i, int32_t n) const {
    uint32_t r = static_cast<uint32_t>(r1_ + MulDiv(i, dr_, n)) & 0xFF;
    uint32_t g = static_cast<uint32_t>(g1_ + MulDiv(i, dg_, n)) & 0xFF;
    uint32_t b = static_cast<uint32_t>(b1_ + MulDiv(i, db_, n)) & 0xFF;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
  }

  // A rectangle given with top below bottom (or right left of left) fills the
  // same pixels as its upright form.
  void Rectangle(Rect r, uint32_t color) {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    FillRect(bmp_, r, color);
  }

  void Fill(const Region& region, uint32_t color) {
    for (const Region::Band& band : region.Bands()) {
      int32_t top = std::max(band.top, 0), bottom = std::min(band.bottom, bmp_.height);
      for (const Region::Span& s : band.spans) {
        int32_t left = std::max(s.left, 0), right = std::min(s.right, bmp_.width);
        if (left >= right) continue;
        for (int32_t y = top; y < bottom; ++y) std::fill(bmp_.Row(y) + left, bmp_.Row(y) + right, color);
      }
    }
  }

  // Shapes painted one over the other, each in its step's colour. A pixel
  // ends in the colour of the last shape that holds it, so each shape only
  // needs painting where the next one will not paint over it.
  template <class ShapeAt>
  void Layers(int32_t n, int32_t colorSteps, ShapeAt shapeAt) {
    Region next = shapeAt(0);
    for (int32_t i = 0; i <= n; ++i) {
      Region shape = std::move(next);
      if (i < n) {
        next = shapeAt(i + 1);
        Fill(Region::Combine(shape, next, CombineMode::kDiff), Color(i, colorSteps));
      } else {
        Fill(shape, Color(i, colorSteps));
      }
    }
  }

 private:
  Bitmap& bmp_;
  int32_t r1_, g1_, b1_, dr_, dg_, db_;
};

void Bands(Painter& p, int32_t W, int32_t H) {
  for (int32_t i = 0; i <= 255; ++i)
    p.Rectangle(Rect{0, MulDiv(i, H, 256), W, MulDiv(i + 1, H, 256)}, p.Color(i, 255));
}

void Columns(Painter& p, int32_t W, int32_t H) {
  for (int32_t i = 0; i <= 255; ++i)
    p.Rectangle(Rect{MulDiv(i, W, 256), 0, MulDiv(i + 1, W, 256), H}, p.Color(i, 255));
}

// 156 ellipses from beyond the corners to a few pixels around the centre.
void Ellipses(Painter& p, int32_t W, int32_t H) {
  const double w = W, h = H;
  const double dx = (w / 4 + w / 2) / 155, dy = (h / 4 + h / 2) / 155;
  // Bounds after step i, accumulated as the painter steps them.
  std::vector<Rect> bounds;
  double x1 = -w / 4, x2 = w + w / 4 + 4, y1 = -h / 4, y2 = h + h / 4 + 4;
  for (int32_t i = 0; i <= 155; ++i) {
    x1 += dx;
    x2 -= dx;
    y1 += dy;
    y2 -= dy;
    bounds.push_back(Rect{static_cast<int32_t>(Trunc(x1)), static_cast<int32_t>(Trunc(y1)),
                          static_cast<int32_t>(Trunc(x2)), static_cast<int32_t>(Trunc(y2))});
  }
  p.Layers(155, 155, [&](int32_t i) { return Region::Ellipse(bounds[static_cast<size_t>(i)]); });
}

void Rectangles(Painter& p, int32_t W, int32_t H) {
  const double dx = static_cast<double>(W) / 2 / 255, dy = static_cast<double>(H) / 2 / 255;
  std::vector<Rect> bounds;
  double x1 = 0, x2 = W, y1 = 0, y2 = H;
  for (int32_t i = 0; i <= 255; ++i) {
    bounds.push_back(Rect{static_cast<int32_t>(Trunc(x1)), static_cast<int32_t>(Trunc(y1)),
                          static_cast<int32_t>(Trunc(x2)), static_cast<int32_t>(Trunc(y2))});
    x1 += dx;
    x2 -= dx;
    y1 += dy;
    y2 -= dy;
  }
  p.Layers(255, 255, [&](int32_t i) {
    const Rect& r = bounds[static_cast<size_t>(i)];
    return r.IsEmpty() ? Region() : Region::FromRect(r);
  });
}

// Each step paints a row from the top and, given upside down, the row as far
// from the bottom; the middle row ends in colour2.
void MirroredRows(Painter& p, int32_t W, int32_t H) {
  const int32_t n = H / 2;
  for (int32_t i = 0; i <= n; ++i) {
    uint32_t c = p.Color(i, n);
    p.Rectangle(Rect{0, i, W, i + 1}, c);
    p.Rectangle(Rect{0, H - i, W, H - i - 1}, c);
  }
}

void MirroredColumns(Painter& p, int32_t W, int32_t H) {
  const int32_t n = W / 2;
  for (int32_t i = 0; i <= n; ++i) {
    uint32_t c = p.Color(i, n);
    p.Rectangle(Rect{i, 0, i + 1, H}, c);
    p.Rectangle(Rect{W - i, 0, W - i - 1, H}, c);
  }
}

void Fans(Painter& p, int32_t W, int32_t H) {
  const Point c{W / 2, H / 2};
  for (int32_t i = 0; i <= 255; ++i) {
    const int32_t a = MulDiv(i, W, 255), a1 = MulDiv(i + 1, W, 255);
    const int32_t b = MulDiv(i, H, 255), b1 = MulDiv(i + 1, H, 255);
    const uint32_t color = p.Color(i, 255);
    p.Fill(Region::Polygon({c, {0, b}, {0, b1}}), color);
    p.Fill(Region::Polygon({c, {W, H - b}, {W, H - b1}}), color);
    p.Fill(Region::Polygon({c, {a, 0}, {a1, 0}}), color);
    p.Fill(Region::Polygon({c, {W - a, H}, {W - a1, H}}), color);
  }
}

void Quadrilaterals(Painter& p, int32_t W, int32_t H) {
  p.Layers(255, 255, [&](int32_t i) {
    const int32_t a = MulDiv(i, W / 2, 255), b = MulDiv(i, H / 2, 255);
    return Region::Polygon({{a, b}, {0, H}, {W - a, H - b}, {W, 0}});
  });
}

}  // namespace

void PaintGradient(Bitmap& canvas, int32_t style, ColorValue color1, ColorValue color2, const Rect& area) {
  const int32_t W = area.Width(), H = area.Height();
  if (W <= 0 || H <= 0) return;
  // Built whole off screen, then copied in one transfer. What no shape
  // covers stays opaque black.
  Bitmap temp(W, H, 0xFF000000u);
  Painter p(temp, color1, color2);
  switch (style) {
    case 1: Bands(p, W, H); break;
    case 2: Columns(p, W, H); break;
    case 3: Ellipses(p, W, H); break;
    case 4: Rectangles(p, W, H); break;
    case 5: MirroredRows(p, W, H); break;
    case 6: MirroredColumns(p, W, H); break;
    case 7: Fans(p, W, H); break;
    case 8: Quadrilaterals(p, W, H); break;
    default: Fill(temp, p.Color(0, 1)); break;
  }
  CopyRect(canvas, Rect{0, 0, W, H}, temp, temp.BoundsRect());
}

}  // namespace lw
