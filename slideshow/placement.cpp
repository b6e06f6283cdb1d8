#include "slideshow/placement.h"

#include <cstdlib>

#include "common/arith.h"
#include "common/random.h"

namespace lw {
namespace {

int32_t ClampOffset(int64_t v) {
  constexpr int64_t kLimit = int64_t{1} << 30;
  return static_cast<int32_t>(v < -kLimit ? -kLimit : (v > kLimit ? kLimit : v));
}

Rect NaturalCentred(int32_t W, int32_t H, int32_t w, int32_t h) {
  int32_t x = (W - w) / 2;
  int32_t y = (H - h) / 2;
  return Rect{x, y, x + w, y + h};
}

// Natural size at a random place; a picture larger than the frame gets a
// random negative offset, so it is cropped somewhere.
Rect NaturalRandom(int32_t W, int32_t H, int32_t w, int32_t h) {
  int32_t dx = W - w;
  int32_t dy = H - h;
  int32_t x = Random(std::abs(dx));
  if (dx <= 0) x = -x;
  int32_t y = Random(std::abs(dy));
  if (dy <= 0) y = -y;
  return Rect{x, y, x + w, y + h};
}

Rect FittedRandom(int32_t W, int32_t H, int32_t w, int32_t h) {
  Rect r = FitRect(W, H, w, h);
  if (r.left > 0) {
    int32_t x = Random(2 * r.left);
    r.right += x - r.left;
    r.left = x;
  }
  if (r.top > 0) {
    int32_t y = Random(2 * r.top);
    r.bottom += y - r.top;
    r.top = y;
  }
  return r;
}

// Mode 0 halves the scaled size with truncation, so an odd size loses a pixel.
Rect Fit(int32_t W, int32_t H, int32_t w, int32_t h) {
  if (static_cast<double>(W) / w > static_cast<double>(H) / h) {
    int32_t sw = static_cast<int32_t>(int64_t{w} * H / h);
    return Rect{W / 2 - sw / 2, 0, W / 2 + sw / 2, H};
  }
  int32_t sh = static_cast<int32_t>(int64_t{h} * W / w);
  return Rect{0, H / 2 - sh / 2, W, H / 2 + sh / 2};
}

}  // namespace

Rect FitRect(int32_t areaW, int32_t areaH, int32_t w, int32_t h) {
  if (areaW <= 0 || areaH <= 0 || w <= 0 || h <= 0) return Rect{0, 0, areaW, areaH};
  int32_t width, height;
  if (static_cast<double>(w) / h >= static_cast<double>(areaW) / areaH) {
    width = areaW;
    height = static_cast<int32_t>(Round(static_cast<double>(int64_t{h} * areaW) / w));
  } else {
    width = static_cast<int32_t>(Round(static_cast<double>(int64_t{w} * areaH) / h));
    height = areaH;
  }
  int32_t left = (areaW - width) / 2;
  int32_t top = (areaH - height) / 2;
  return Rect{left, top, left + width, top + height};
}

Rect PictureRect(int32_t mode, int32_t W, int32_t H, int32_t w, int32_t h) {
  if (w <= 0 || h <= 0) return Rect{};
  switch (mode) {
    case 0:
      return Fit(W, H, w, h);
    case 1:
      return Rect{0, 0, W, H};
    case 2:
      return NaturalCentred(W, H, w, h);
    case 3:
      return NaturalRandom(W, H, w, h);
    case 4:
      if (h > H || w > W) return FitRect(W, H, w, h);
      return NaturalCentred(W, H, w, h);
    case 5:
      if (w <= W && h <= H) return NaturalRandom(W, H, w, h);
      return FittedRandom(W, H, w, h);
    default:
      return FittedRandom(W, H, w, h);
  }
}

PanelPlacement PlaceVideoPanel(int32_t mode, int32_t Ws, int32_t Hs, const Rect& natural) {
  int32_t vw = natural.right - natural.left;
  int32_t vh = natural.bottom - natural.top;
  // The panel is one pixel larger than the fitted rectangle on each axis.
  auto fit = [&] {
    Rect r = FitRect(Ws, Hs, vw + 1, vh + 1);
    return PanelPlacement{r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1};
  };
  PanelPlacement p;
  switch (mode) {
    case 1:
      return PanelPlacement{0, 0, Ws, Hs};
    case 0:
      return fit();
    case 2:
    case 4:
      if (Ws >= vw && Hs >= vh) {
        p.width = natural.right + 1;
        p.height = natural.bottom + 1;
        p.top = Hs / 2 - p.height / 2;
        p.left = Ws / 2 - p.width / 2;
        return p;
      }
      return fit();
    default:
      // A video exactly as large as the screen leaves a range of -1: it then sits at 0.
      // The two branches draw their coordinates in different orders.
      if (Ws < vw || Hs < vh) {
        Rect r = FitRect(Ws, Hs, vw, vh);
        p.width = r.right - r.left;
        p.left = Random(Ws - p.width);
        p.height = r.bottom - r.top;
        p.top = Random(Hs - p.height);
      } else {
        p.width = natural.right + 1;
        p.height = natural.bottom + 1;
        p.top = Random(Hs - p.height);
        p.left = Random(Ws - p.width);
      }
      return p;
  }
}

Rect PlaceByAnchor(int32_t targetW, int32_t targetH, int32_t w, int32_t h, int32_t anchor,
                   int32_t x, int32_t y) {
  int64_t left;
  if (anchor == 1 || anchor == 4) {
    left = int64_t{targetW} - w - x;
  } else if (anchor == 0 || anchor == 3) {
    left = x;
  } else {
    left = (int64_t{targetW} - w) / 2 + x;
  }
  int64_t top;
  if (anchor == 3 || anchor == 4 || anchor == 5) {
    top = int64_t{targetH} - h - y;
  } else if (anchor == 0 || anchor == 1 || anchor == 2) {
    top = y;
  } else {
    top = (int64_t{targetH} - h) / 2 + y;
  }
  // Margins come from the package; an absurd one just puts the block far off screen.
  int32_t l = ClampOffset(left), t = ClampOffset(top);
  return Rect{l, t, l + w, t + h};
}

}  // namespace lw
