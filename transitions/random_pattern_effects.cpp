#include "transitions/random_pattern_effects.h"

#include <algorithm>
#include <utility>

#include "common/random.h"
#include "transitions/families.h"
#include "transitions/shape_coords.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {

std::vector<int32_t> ShuffledOrder(int32_t n) {
  std::vector<int32_t> order(static_cast<size_t>(std::max(n, 0)));
  for (int32_t c = 0; c < n; ++c) order[c] = c;
  for (int32_t c = 0; c < n; ++c) std::swap(order[c], order[Random(n)]);
  return order;
}

RandomPattern::RandomPattern(int32_t local, int32_t width, int32_t height, int32_t steps)
    : local_(local), w_(width), h_(height), grid_(local >= 3) {
  const int32_t s = std::max(steps, 0);
  switch (local) {
    case 1: d_ = std::min(s, height); break;
    case 2: d_ = std::min(s, width); break;
    case 3: d_ = std::min(s, height / 4); break;
    case 4: d_ = std::min(s, height / 8); break;
    default: d_ = 10; break;
  }
  // (d + 1)^2 entries must stay countable in 32 bits; no screen comes near.
  d_ = std::clamp(d_, 0, 46339);
  if (grid_) {
    count_ = (d_ + 1) * (d_ + 1);
    per_ = local == 5 ? 1 : std::max(1, 4 * (d_ / 4));
  } else {
    count_ = d_;
  }
  // Steps cubed outgrows 32 bits from 1291 steps on; kept exact here.
  const int64_t s64 = s;
  frameCap_ = s64 > (1 << 20) ? INT64_MAX : s64 * s64 * s64;
}

Region RandomPattern::Piece(int32_t entry) const {
  const int64_t d = d_, w = w_, h = h_;
  if (d == 0) return Region();
  if (!grid_) {
    const int64_t e = entry;
    if (local_ == 1) return Region::FromRect(CoordRect(0, h * e / d, w, h * (e + 1) / d));
    return Region::FromRect(CoordRect(w * e / d, 0, w * (e + 1) / d, h));
  }
  const int64_t x = entry % (d + 1), y = entry / (d + 1);
  if (local_ == 3) {
    return Region::FromRect(CoordRect(w * x / d, h * y / d, w * (x + 1) / d, h * (y + 1) / d));
  }
  // An ellipse two cells wide and high centred on grid point (x, y).
  return Region::Ellipse(CoordRect(w * (x - 1) / d, h * (y - 1) / d, w * (x + 1) / d,
                                   h * (y + 1) / d));
}

std::optional<Region> RandomPattern::NextFrame() {
  if (!started_) {
    started_ = true;
    order_ = ShuffledOrder(count_);
    remaining_ = count_;
    // An empty order has nothing to wait for.
    if (remaining_ == 0) done_ = true;
  }
  std::vector<Region> pieces;
  const int32_t per = grid_ ? per_ : 1;
  for (int32_t n = 0; n < per && remaining_ > 0; ++n) {
    const int32_t entry = order_[remaining_ - 1];
    --remaining_;
    if (remaining_ == 0) {
      done_ = true;
      order_ = {};
    }
    pieces.push_back(Piece(entry));
  }
  if (pieces.empty()) return std::nullopt;
  return Region::Union(std::move(pieces));
}

void RunRandomPatternEffect(TTransThread& t, int32_t local) {
  RandomPattern pattern(local, t.Width, t.Height, StepCount);
  t.BeginRegionReveal();
  for (int64_t i = 0; !AbortRequested && !pattern.Done(); ++i) {
    if (i >= pattern.FrameCap() || SkipRequested) break;
    t.StartFrame();
    // A grid of size 0 would divide by zero placing its first piece.
    if (!pattern.CanPlacePieces()) FailTransition();
    const std::optional<Region> r = pattern.NextFrame();
    t.RevealFrame(r ? &*r : nullptr, true);
    t.FrameWait();
  }
}

}  // namespace lw
