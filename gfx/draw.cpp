#include "gfx/draw.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "gfx/axis_map.h"
#include "gfx/blend.h"
#include "gfx/copy.h"

namespace lw {
namespace {

// Bilinear sampling along one destination row: the two source rows are
// first mixed over the columns the row reads, then each destination pixel
// mixes its two neighbouring columns of that mix.
class LinearRows {
 public:
  explicit LinearRows(const LinearAxis& ax) : ax_(ax), first_(ax.i0.front()), w4_(4 * ax.w.size()) {
    // The columns rise with the destination: first_ .. i1.back() are read.
    mixed_.resize(static_cast<size_t>(ax.i1.back() - first_ + 1));
    left_.resize(ax.w.size());
    right_.resize(ax.w.size());
    for (size_t i = 0; i < ax.w.size(); ++i)
      for (int c = 0; c < 4; ++c) w4_[4 * i + c] = static_cast<uint16_t>(ax.w[i]);
  }

  void Row(uint32_t* out, const uint32_t* r0, const uint32_t* r1, uint32_t wy) {
    LerpRows(mixed_.data(), r0 + first_, r1 + first_, static_cast<int32_t>(mixed_.size()), wy);
    const uint32_t* m = mixed_.data() - first_;
    const size_t n = ax_.w.size();
    for (size_t i = 0; i < n; ++i) {
      left_[i] = m[ax_.i0[i]];
      right_[i] = m[ax_.i1[i]];
    }
    LerpPixels(out, left_.data(), right_.data(), w4_.data(), static_cast<int32_t>(n));
  }

 private:
  const LinearAxis& ax_;
  int32_t first_;
  std::vector<uint16_t> w4_;
  std::vector<uint32_t> mixed_, left_, right_;
};

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
  std::optional<LinearRows> rows;
  if (linear) {
    lx = MapLinear(mx, dstRect.left, dstRect.right, srcRect.left, srcRect.right, src.width);
    ly = MapLinear(my, dstRect.top, dstRect.bottom, srcRect.top, srcRect.bottom, src.height);
    rows.emplace(lx);
  }
  for (int32_t y = my.begin; y < my.end; ++y) {
    uint32_t* d = dst.Row(y) + mx.begin;
    const uint32_t* s;
    if (!stretched) {
      s = src.Row(my.Source(y)) + mx.begin + mx.offset;
    } else if (linear) {
      const size_t k = static_cast<size_t>(y - my.begin);
      rows->Row(row.data(), src.Row(ly.i0[k]), src.Row(ly.i1[k]), ly.w[k]);
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
