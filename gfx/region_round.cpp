// Rounded rectangles and ellipses.
#include <algorithm>
#include <cstdlib>

#include "gfx/region.h"

namespace lw {
namespace {

// Keeps the rasteriser's error terms well inside 64 bits; no frame comes near.
constexpr int64_t kMaxEllipseSide = 1 << 18;

// For an ellipse filling a w x h pixel box (w, h >= 2), the left inset of each
// row of its upper half (rows 0 .. h/2 - 1). The rows are traced with the
// integer midpoint method for ellipses inscribed in a pixel rectangle
// (incremental error terms, one quadrant mirrored), keeping the leftmost
// pixel plotted in each row.
std::vector<int32_t> UpperInsets(int64_t w, int64_t h) {
  const int64_t rows = h / 2;
  std::vector<int32_t> inset(static_cast<size_t>(rows), -1);
  const int64_t a = w - 1, b = h - 1, odd = b & 1;
  int64_t dx = 4 * (1 - a) * b * b;
  int64_t dy = 4 * (odd + 1) * a * a;
  int64_t err = dx + dy + odd * a * a;
  const int64_t stepX = 8 * b * b, stepY = 8 * a * a;
  int64_t x0 = 0, x1 = a;
  int64_t yUp = (b + 1) / 2 - odd;  // row of the upper half being traced
  auto mark = [&](int64_t row, int64_t x) {
    if (row >= 0 && row < rows && inset[row] < 0) inset[row] = static_cast<int32_t>(x);
  };
  do {
    mark(yUp, x0);
    int64_t e2 = 2 * err;
    if (e2 <= dy) {
      --yUp;
      dy += stepY;
      err += dy;
    }
    if (e2 >= dx || 2 * err > dy) {
      ++x0;
      --x1;
      dx += stepX;
      err += dx;
    }
  } while (x0 <= x1);
  // Very flat ellipses stop early; their tips run on one pixel further out.
  for (int64_t row = 0; row < rows; ++row) {
    if (inset[row] < 0) inset[row] = static_cast<int32_t>(std::max<int64_t>(0, x0 - 1));
  }
  return inset;
}

}  // namespace

Region Region::RoundRect(const Rect& bounds, int32_t ellipseWidth, int32_t ellipseHeight) {
  int64_t left = std::min(bounds.left, bounds.right);
  int64_t top = std::min(bounds.top, bounds.bottom);
  int64_t right = int64_t{std::max(bounds.left, bounds.right)} - 1;
  int64_t bottom = int64_t{std::max(bounds.top, bounds.bottom)} - 1;
  if (right <= left || bottom <= top) return Region();
  int64_t w = std::min({right - left, std::abs(int64_t{ellipseWidth}), kMaxEllipseSide});
  int64_t h = std::min({bottom - top, std::abs(int64_t{ellipseHeight}), kMaxEllipseSide});
  const int32_t l = static_cast<int32_t>(left), r = static_cast<int32_t>(right);
  const int32_t t = static_cast<int32_t>(top), btm = static_cast<int32_t>(bottom);
  if (w < 2 || h < 2) return FromRect(Rect{l, t, r, btm});

  std::vector<int32_t> inset = UpperInsets(w, h);
  const int32_t rows = static_cast<int32_t>(inset.size());
  RegionBuilder out;
  for (int32_t j = 0; j < rows; ++j) out.AddBand(t + j, t + j + 1, {Span{l + inset[j], r - inset[j]}});
  out.AddBand(t + rows, btm - rows, {Span{l, r}});
  for (int32_t j = rows - 1; j >= 0; --j) {
    out.AddBand(btm - 1 - j, btm - j, {Span{l + inset[j], r - inset[j]}});
  }
  return out.Finish();
}

}  // namespace lw
