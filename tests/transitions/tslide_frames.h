// Test helper: runs parts the way the part loop does, without an engine, and
// records what each frame would paint.
#pragma once
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/rect.h"
#include "transitions/tfold.h"
#include "transitions/tslide.h"

namespace lw::test {

struct PartPaint {
  Rect src, dst;
  const Bitmap* image;
};

using PartFrames = std::vector<std::vector<PartPaint>>;

// Steps every part in slot order per frame until no part reports steps left.
inline PartFrames StepParts(std::vector<std::unique_ptr<TransitionPart>>& parts) {
  PartFrames frames;
  for (bool more = true; more;) {
    more = false;
    auto& frame = frames.emplace_back();
    for (auto& p : parts) {
      more |= p->Step();
      if (auto* s = dynamic_cast<TSlide*>(p.get())) {
        if (!s->DstRect.IsEmpty()) frame.push_back({s->SrcRect, s->DstRect, s->Image});
      } else if (auto* f = dynamic_cast<TFold*>(p.get())) {
        if (!f->Rect2.IsEmpty()) frame.push_back({f->Rect1, f->Rect2, f->Image});
      }
    }
  }
  return frames;
}

// Applies the recorded paints to `target` (same-size copies only).
inline void ApplyPaints(const std::vector<PartPaint>& paints, Bitmap& target) {
  for (const auto& p : paints)
    for (int32_t y = 0; y < p.dst.Height(); ++y)
      std::copy_n(p.image->Row(p.src.top + y) + p.src.left, p.dst.Width(), target.Row(p.dst.top + y) + p.dst.left);
}

inline bool Inside(const Rect& r, const Bitmap& b) {
  return r.left >= 0 && r.top >= 0 && r.right <= b.width && r.bottom <= b.height;
}

}  // namespace lw::test

namespace lw::test {

// A new frame whose every pixel differs from every other and from `OldFill`.
constexpr uint32_t kOldFill = 0xFF000000u;
inline Bitmap NumberedFrame(int32_t w, int32_t h) {
  Bitmap b(w, h);
  for (size_t i = 0; i < b.pixels.size(); ++i) b.pixels[i] = static_cast<uint32_t>(i + 1);
  return b;
}

// Pixels where `target` differs from `expected`, as (x, y) pairs.
inline std::vector<std::pair<int32_t, int32_t>> Differences(const Bitmap& target, const Bitmap& expected) {
  std::vector<std::pair<int32_t, int32_t>> out;
  for (int32_t y = 0; y < expected.height; ++y)
    for (int32_t x = 0; x < expected.width; ++x)
      if (target.At(x, y) != expected.At(x, y)) out.emplace_back(x, y);
  return out;
}

}  // namespace lw::test
