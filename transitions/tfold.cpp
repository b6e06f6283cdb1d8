#include "transitions/tfold.h"

#include <algorithm>

#include "common/arith.h"

namespace lw {

void TFold::Init(int32_t x0, int32_t y0, int32_t ex, int32_t ey, int32_t steps, double dx,
                 double dy, const Bitmap& image) {
  ImageWidth = image.width;
  ImageHeight = image.height;
  Steps = steps;
  X = x0;
  Y = y0;
  EX = ex;
  EY = ey;
  DX = dx;
  DY = dy;
  Image = &image;
  Rect1 = Rect2 = Rect{};
}

bool TFold::PlaceRects() {
  const double x1 = X + EX, y1 = Y + EY;
  Rect r{static_cast<int32_t>(Round(std::min(X, x1))), static_cast<int32_t>(Round(std::min(Y, y1))),
         static_cast<int32_t>(Round(std::max(X, x1))), static_cast<int32_t>(Round(std::max(Y, y1)))};
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  r.right = std::min(r.right, ImageWidth);
  r.bottom = std::min(r.bottom, ImageHeight);
  // Only the two edges count: a fold spanning the whole image with both
  // edges outside it is treated as not visible.
  auto inside = [](double v, int32_t size) { return v >= 0 && v <= size; };
  const bool visible = (inside(X, ImageWidth) || inside(x1, ImageWidth)) &&
                       (inside(Y, ImageHeight) || inside(y1, ImageHeight));
  Rect1 = Rect2 = visible ? r : Rect{};
  return visible;
}

bool TFold::Step() {
  if (Steps <= 0) return false;
  --Steps;
  PlaceRects();
  Move();
  return Steps > 0;
}

void TFold::Paint(TTransThread& t) {
  if (Rect2.IsEmpty()) return;
  t.SrcRect = Rect1;
  t.DstRect = Rect2;
  t.PaintFromNew();
}

}  // namespace lw
