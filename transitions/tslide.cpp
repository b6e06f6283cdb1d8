#include "transitions/tslide.h"

#include <algorithm>
#include <utility>

#include "common/arith.h"

namespace lw {

namespace {

struct Span {
  int32_t dst0, dst1, src0, src1;
  bool visible;
};

// One axis of a slide: the part of [lo, hi) still inside [lo, hi) after a
// shift by `offset`, and where it comes from.
Span ShiftSpan(int32_t lo, int32_t hi, double offset) {
  if (offset >= 0) {
    const int32_t a = static_cast<int32_t>(Round(lo + offset));
    return Span{a, hi, lo, hi - a + lo, hi >= a};
  }
  const int32_t b = static_cast<int32_t>(Round(hi + offset));
  return Span{lo, b, hi - b + lo, hi, b >= lo};
}

Rect Normalised(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  return Rect{x0, y0, x1, y1};
}

}  // namespace

void TSlide::Init(int32_t x0, int32_t y0, int32_t steps, double dx, double dy, int32_t left,
                  int32_t top, int32_t right, int32_t bottom, const Bitmap& image) {
  ImageWidth = image.width;
  ImageHeight = image.height;
  Steps = steps;
  X = x0;
  Y = y0;
  DX = dx;
  DY = dy;
  Left = left;
  Top = top;
  Right = right;
  Bottom = bottom;
  Image = &image;
  DstRect = SrcRect = Rect{};
}

bool TSlide::Step() {
  // A spent slide paints nothing more. Repainting its last rectangles would
  // undo what later parts drew over them: the door opening's old halves end
  // a little short of leaving the frame, and their folds cover that strip.
  if (Steps <= 0) {
    DstRect = SrcRect = Rect{};
    return false;
  }
  --Steps;
  X += DX;
  Y += DY;
  const Span h = ShiftSpan(Left, Right, X);
  const Span v = ShiftSpan(Top, Bottom, Y);
  if (h.visible && v.visible) {
    DstRect = Normalised(h.dst0, v.dst0, h.dst1, v.dst1);
    SrcRect = Normalised(h.src0, v.src0, h.src1, v.src1);
  } else {
    DstRect = SrcRect = Rect{};
  }
  return Steps > 0;
}

void TSlide::Paint(TTransThread& t) {
  if (DstRect.IsEmpty()) return;
  t.SrcRect = SrcRect;
  t.DstRect = DstRect;
  if (Image == &t.OldImage)
    t.PaintFromOld();
  else
    t.PaintFromNew();
}

}  // namespace lw
