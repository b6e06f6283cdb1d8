#include "slideshow/background.h"

#include "common/random.h"
#include "gfx/copy.h"
#include "slideshow/composition.h"
#include "slideshow/placement.h"

namespace lw {

void DrawBackgroundPicture(Bitmap& canvas, int32_t W, int32_t H, int32_t mode, Bitmap& picture) {
  const int32_t pw = picture.width, ph = picture.height;
  if (mode == 0) {
    // An empty picture would never advance the tiling.
    if (pw <= 0 || ph <= 0) return;
    for (int32_t y = 0; y < H; y += ph)
      for (int32_t x = 0; x < W; x += pw) DrawPicture(canvas, x, y, picture);
    return;
  }
  if (mode != 1) {
    const int32_t x = (W - pw) / 2, y = (H - ph) / 2;
    if (x >= 0 && y >= 0) {
      DrawPicture(canvas, x, y, picture);
      return;
    }
  }
  DrawScaledOnCanvas(picture, canvas, FitRect(W, H, pw, ph), W, H);
}

void DrawScaledOnCanvas(Bitmap& picture, Bitmap& canvas, const Rect& rect, int32_t W, int32_t H) {
  if (W <= 0 || H <= 0) return;
  const Rect all{0, 0, W, H};
  Bitmap copy(W, H);
  CopyRect(copy, all, canvas, all);
  if (!rect.IsEmpty()) {
    Bitmap flat(picture.width, picture.height);
    DrawPicture(flat, 0, 0, picture);
    DrawIntoRect(flat, copy, rect, true, nullptr);
  }
  CopyRect(canvas, all, copy, all);
}

ColorValue RandomColorValue() {
  const uint8_t r = static_cast<uint8_t>(Random(256));
  const uint8_t g = static_cast<uint8_t>(Random(256));
  const uint8_t b = static_cast<uint8_t>(Random(256));
  return RGBValue(r, g, b);
}

}  // namespace lw
