#include "transitions/tfoldfade.h"

#include <algorithm>
#include <vector>

#include "common/random.h"
#include "gfx/copy.h"
#include "gfx/draw.h"

namespace lw {

void TFoldFade::Init(int32_t x0, int32_t y0, int32_t ex, int32_t ey, int32_t steps, double dx,
                     double dy, const Bitmap& image, const Bitmap& otherImage, int32_t gradient) {
  TFold::Init(x0, y0, ex, ey, steps, dx, dy, image);
  OtherImage = &otherImage;
  Gradient = gradient;
  Strip.SetSize(ex, ey);
  Strip.drawMode = DrawMode::kBlend;
  Rect1 = Rect{x0, y0, x0 + ex, y0 + ey};
}

bool TFoldFade::Step() {
  if (Steps <= 0) return false;
  --Steps;
  if (PlaceRects()) {
    Draw(Strip, 0, 0, *Image, Rect1);
    GradeStrip();
  }
  Move();
  return Steps > 0;
}

namespace {

// Alpha bytes (shifted into place) falling from 255 at index 0 to 0 at index
// n - 1, or rising when `rising`; rounded up. n is at least 2.
std::vector<uint32_t> Ramp(int32_t n, bool rising) {
  std::vector<uint32_t> alpha(static_cast<size_t>(n));
  const int64_t last = n - 1;
  for (int64_t i = 0; i < n; ++i) {
    const int64_t k = rising ? i : last - i;
    alpha[i] = static_cast<uint32_t>((k * 255 + last - 1) / last) << 24;
  }
  return alpha;
}

void SetAlpha(uint32_t& pixel, uint32_t alpha) { pixel = (pixel & 0x00FFFFFFu) | alpha; }

}  // namespace

void TFoldFade::GradeStrip() {
  const int32_t w = Strip.width, h = Strip.height;
  if (Strip.Empty()) return;
  if (Gradient == 1 || Gradient == 2) {
    if (w < 2) FailTransition();  // the grade divides by w - 1
    const std::vector<uint32_t> alpha = Ramp(w, Gradient == 2);
    for (int32_t y = 0; y < h; ++y) {
      uint32_t* row = Strip.Row(y);
      for (int32_t x = 0; x < w; ++x) SetAlpha(row[x], alpha[x]);
    }
  } else if (Gradient == 3 || Gradient == 4) {
    if (h < 2) FailTransition();  // the grade divides by h - 1
    const std::vector<uint32_t> alpha = Ramp(h, Gradient == 4);
    for (int32_t y = 0; y < h; ++y) {
      uint32_t* row = Strip.Row(y);
      for (int32_t x = 0; x < w; ++x) SetAlpha(row[x], alpha[y]);
    }
  } else {
    for (int32_t y = 0; y < h; ++y) {
      uint32_t* row = Strip.Row(y);
      for (int32_t x = 0; x < w; ++x) SetAlpha(row[x], static_cast<uint32_t>(Random(256)) << 24);
    }
  }
}

void TFoldFade::Paint(TTransThread& t) {
  t.SrcRect = Rect1;
  t.DstRect = Rect2;
  if (!Rect2.IsEmpty()) {
    CopyRect(t.WorkImage, Rect2, t.OldImage, Rect1);
    // Only the part of the strip inside Rect2 is ever painted; the rest of
    // WorkImage is rewritten before it is shown, so blend just that part.
    const Rect shown{0, 0, std::min(Strip.width, Rect2.Width()), std::min(Strip.height, Rect2.Height())};
    Draw(t.WorkImage, Rect2.left, Rect2.top, Strip, shown);
  }
  t.PaintFromWork();
}

}  // namespace lw
