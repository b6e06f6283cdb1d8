#include "transitions/tzoom.h"

#include "gfx/draw.h"

namespace lw {

void TZoom::Init(int32_t X0, int32_t Y0, int32_t ZoomWidth0, int32_t ZoomHeight0, int32_t Steps_,
                 double DLeft_, double DTop_, double DRight_, double DBottom_, int32_t SrcLeft_,
                 int32_t SrcTop_, int32_t SrcRight_, int32_t SrcBottom_, const Bitmap& Image_) {
  ImageWidth = Image_.width;
  ImageHeight = Image_.height;
  Steps = Steps_;
  X = X0;
  Y = Y0;
  ZoomWidth = ZoomWidth0;
  ZoomHeight = ZoomHeight0;
  DLeft = DLeft_;
  DTop = DTop_;
  DRight = DRight_;
  DBottom = DBottom_;
  SrcLeft = SrcLeft_;
  SrcTop = SrcTop_;
  SrcRight = SrcRight_;
  SrcBottom = SrcBottom_;
  Image = &Image_;
}

bool TZoom::Step() {
  if (Steps <= 0) return false;
  --Steps;
  X += DLeft;
  Y += DTop;
  ZoomWidth += DRight - DLeft;
  ZoomHeight += DBottom - DTop;
  DstRect = Rect{RoundPx(X), RoundPx(Y), RoundPx(X + ZoomWidth), RoundPx(Y + ZoomHeight)};
  SrcRect = Rect{SrcLeft, SrcTop, SrcRight, SrcBottom};
  return Steps > 0;
}

void TZoom::Paint(TTransThread& t) {
  Draw(t.WorkImage, DstRect, *Image, SrcRect);
  // Rounding can put an edge half a pixel outside the frame (odd sizes);
  // never paint beyond the frame's own area of the target.
  const Rect visible = Intersect(DstRect, Rect{0, 0, t.Width, t.Height});
  t.SrcRect = visible;
  t.DstRect = visible;
  t.PaintFromWork();
}

}  // namespace lw
