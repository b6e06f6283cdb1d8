#include "gfx/draw.h"

#include <algorithm>
#include <vector>

#include "gfx/axis_map.h"
#include "gfx/blend.h"
#include "gfx/copy.h"

namespace lw {
namespace {

// Weighted mean of two pixels, weight w/256 on b; two channels per multiply.
inline uint32_t Lerp(uint32_t a, uint32_t b, uint32_t w) {
  const uint32_t v = 256 - w;
  const uint32_t rb = (((a & 0x00FF00FFu) * v + (b & 0x00FF00FFu) * w) >> 8) & 0x00FF00FFu;
  const uint32_t ag = (((a >> 8) & 0x00FF00FFu) * v + ((b >> 8) & 0x00FF00FFu) * w) & 0xFF00FF00u;
  return rb | ag;
}

void LinearRow(uint32_t* out, const uint32_t* r0, const uint32_t* r1, uint32_t wy, const LinearAxis& ax) {
  const size_t n = ax.w.size();
  for (size_t i = 0; i < n; ++i) {
    const uint32_t top = Lerp(r0[ax.i0[i]], r0[ax.i1[i]], ax.w[i]);
    const uint32_t bottom = Lerp(r1[ax.i0[i]], r1[ax.i1[i]], ax.w[i]);
    out[i] = Lerp(top, bottom, wy);
  }
}

}  // namespace

void Draw(Bitmap& dst, int32_t x, int32_t y, const Bitmap& src) {
  Draw(dst, Rect{x, y, x + src.width, y + src.height}, src, src.BoundsRect());
}

void Draw(Bitmap& dst, int32_t x, int32_t y, const Bitmap& src, const Rect& srcRect) {
  Draw(dst, Rect{x, y, x + srcRect.Width(), y + srcRect.Height()}, src, srcRect);
}

void Draw(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  if (dstRect.IsEmpty() || srcRect.IsEmpty()) return;
  const bool blend = src.drawMode == DrawMode::kBlend;
  if (blend && src.masterAlpha == 0) return;
  const bool stretched = dstRect.Width() != srcRect.Width() || dstRect.Height() != srcRect.Height();
  const bool linear = stretched && src.filter == StretchFilter::kLinear;
  if (!blend && !linear) {
    CopyRect(dst, dstRect, src, srcRect);
    return;
  }
  const AxisMap mx = MapAxis(dstRect.left, dstRect.right, dst.width, srcRect.left, srcRect.right, src.width);
  const AxisMap my = MapAxis(dstRect.top, dstRect.bottom, dst.height, srcRect.top, srcRect.bottom, src.height);
  if (mx.Empty() || my.Empty()) return;
  const int32_t n = mx.end - mx.begin;
  std::vector<uint32_t> row(stretched ? static_cast<size_t>(n) : 0);
  LinearAxis lx, ly;
  if (linear) {
    lx = MapLinear(mx, dstRect.left, dstRect.right, srcRect.left, srcRect.right, src.width);
    ly = MapLinear(my, dstRect.top, dstRect.bottom, srcRect.top, srcRect.bottom, src.height);
  }
  for (int32_t y = my.begin; y < my.end; ++y) {
    uint32_t* d = dst.Row(y) + mx.begin;
    const uint32_t* s;
    if (!stretched) {
      s = src.Row(my.Source(y)) + mx.begin + mx.offset;
    } else if (linear) {
      const size_t k = static_cast<size_t>(y - my.begin);
      LinearRow(row.data(), src.Row(ly.i0[k]), src.Row(ly.i1[k]), ly.w[k], lx);
      s = row.data();
    } else {
      const uint32_t* sr = src.Row(my.Source(y));
      for (int32_t i = 0; i < n; ++i) row[i] = sr[mx.Source(mx.begin + i)];
      s = row.data();
    }
    if (blend)
      BlendRow(d, s, n, src.masterAlpha);
    else
      std::copy(s, s + n, d);
  }
}

}  // namespace lw
