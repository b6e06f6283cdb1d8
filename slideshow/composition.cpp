#include "slideshow/composition.h"

#include <algorithm>
#include <array>
#include <vector>

#include "gfx/blend.h"
#include "gfx/draw.h"
#include "gfx/pixels.h"
#include "gfx/transform.h"

namespace lw {
namespace {

// Grey of 3·B + 6·G + R tenths, rounded to the nearest integer with exact
// halves to the even neighbour. Integer tenths keep the halves exact.
std::array<uint8_t, 2551> MakeGreyTable() {
  std::array<uint8_t, 2551> t{};
  for (int32_t s = 0; s <= 2550; ++s) {
    int32_t q = s / 10, r = s % 10;
    if (r > 5 || (r == 5 && (q & 1))) ++q;
    t[static_cast<size_t>(s)] = static_cast<uint8_t>(q);
  }
  return t;
}

void Grey(Bitmap& bmp) {
  static const std::array<uint8_t, 2551> table = MakeGreyTable();
  for (uint32_t& p : bmp.pixels) {
    uint32_t b = p & 0xFF, g = (p >> 8) & 0xFF, r = (p >> 16) & 0xFF;
    uint32_t v = table[3 * b + 6 * g + r];
    p = (p & 0xFF000000u) | (v << 16) | (v << 8) | v;
  }
}

}  // namespace

void DrawPicture(Bitmap& target, int32_t x, int32_t y, Bitmap& picture) {
  picture.drawMode = DrawMode::kBlend;
  picture.masterAlpha = 255;
  Draw(target, x, y, picture);
}

void FlattenOntoTransparent(Bitmap& picture) {
  std::vector<uint32_t> row;
  for (int32_t y = 0; y < picture.height; ++y) {
    uint32_t* p = picture.Row(y);
    // Opaque pixels cover the transparent ground exactly: most rows stay.
    if (std::all_of(p, p + picture.width, [](uint32_t v) { return v >= 0xFF000000u; })) continue;
    row.assign(static_cast<size_t>(picture.width), 0);
    BlendRow(row.data(), p, picture.width, 255);
    std::copy(row.begin(), row.end(), p);
  }
}

void DrawIntoRect(Bitmap& picture, Bitmap& target, const Rect& rect, bool makeOpaque, Bitmap* mask) {
  if (makeOpaque) ResetAlpha(picture, 255);
  // The layer is transparent outside rect, so only the visible part of rect
  // needs one; the drawing into it is shifted by the part's corner.
  const Rect part = Intersect(rect, target.BoundsRect());
  if (part.IsEmpty()) return;
  const Rect local{rect.left - part.left, rect.top - part.top, rect.right - part.left, rect.bottom - part.top};
  Bitmap layer(part.Width(), part.Height());

  picture.drawMode = DrawMode::kBlend;
  picture.masterAlpha = 255;
  picture.filter = StretchFilter::kLinear;
  Draw(layer, local, picture, picture.BoundsRect());

  if (mask) {
    Bitmap maskLayer(part.Width(), part.Height(), 0xFF000000u);
    mask->drawMode = DrawMode::kBlend;
    mask->masterAlpha = 255;
    mask->filter = StretchFilter::kLinear;
    Draw(maskLayer, local, *mask, mask->BoundsRect());
    for (size_t i = 0; i < layer.pixels.size(); ++i)
      layer.pixels[i] = (layer.pixels[i] & 0x00FFFFFFu) | (maskLayer.pixels[i] << 24);
  }

  layer.drawMode = DrawMode::kBlend;
  Draw(target, part.left, part.top, layer);
}

void ApplyFilters(Bitmap& bmp, int32_t filters) {
  if (filters & 1) Mirror(bmp);
  if (filters & 2) Flip(bmp);
  if (filters & 4) Grey(bmp);
}

void ReplaceColor(Bitmap& bmp, uint32_t key, ColorValue backColor) {
  const uint32_t clear = ColorToPixel(backColor) & 0x00FFFFFFu;
  for (uint32_t& p : bmp.pixels)
    if (p == key) p = clear;
}

}  // namespace lw
