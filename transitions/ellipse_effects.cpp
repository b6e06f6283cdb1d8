#include "transitions/ellipse_effects.h"

#include <algorithm>

#include "common/arith.h"
#include "transitions/families.h"
#include "transitions/shape_coords.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {

EllipseShapes::EllipseShapes(int32_t local, int32_t width, int32_t height, int32_t steps)
    : local_(local), w_(width), h_(height), s_(steps) {
  const double s = static_cast<double>(steps);
  k_ = Ceil(w_ / s);
  m_ = Ceil(h_ / s);
  m1_ = Ceil((h_ + 1) / s);
}

// The corner sizes of the closing phase of 73..76: they shrink from the full
// frame toward square corners, reaching them at i = 1.4 S.
int64_t EllipseShapes::Corner(int64_t i, int64_t size) const {
  const double s = static_cast<double>(s_);
  return std::max<int64_t>(0, size - Ceil((i - 0.9 * s) * (size / s) * 2));
}

bool EllipseShapes::LastFrame(int64_t i) const {
  const double s = static_cast<double>(s_);
  return local_ <= 2 ? i > s / 1.5 : i > 1.5 * s;
}

std::optional<Region> EllipseShapes::RegionAt(int64_t i) const {
  const int64_t w = w_, h = h_, h1 = h_ + 1, w2 = w_ / 2, h2 = h_ / 2;
  const int64_t ki = k_ * i, mi = m_ * i, m1i = m1_ * i;
  const int32_t cw = Coord(w), ch = Coord(h);
  const Region frame = Region::FromRect(CoordRect(0, 0, w, h));
  auto clipped = [&](const Rect& bounds, int64_t ew, int64_t eh) {
    return Region::Combine(Region::RoundRect(bounds, Coord(ew), Coord(eh)), frame,
                           CombineMode::kAnd);
  };
  switch (local_) {
    case 1:
      if (i <= 0) return std::nullopt;
      return clipped(CoordRect(w2 - ki, h2 - mi, w2 + ki, h2 + mi), w, h);
    case 2: {
      const int64_t j = Round(static_cast<double>(s_) / 1.5 - static_cast<double>(i));
      const int64_t kj = k_ * j, mj = m_ * j;
      return Region::Combine(
          Region::RoundRect(CoordRect(w2 - kj, h2 - mj, w2 + kj, h2 + mj), cw, ch), frame,
          CombineMode::kXor);
    }
    case 3:
      if (i <= 0) return std::nullopt;
      if (w >= ki) return clipped(CoordRect(-ki, 0, std::min(w, ki), h1), w, h);
      return clipped(CoordRect(-w, 0, w, h1), Corner(i, w), Corner(i, h));
    case 4:
      if (i <= 0) return std::nullopt;
      if (w >= ki) return clipped(CoordRect(w - std::min(w, ki), 0, w + ki, h1), w, h);
      return clipped(CoordRect(0, 0, 2 * w, h1), Corner(i, w), Corner(i, h));
    case 5: {
      if (i <= 0) return std::nullopt;
      // Works with one row more than the frame throughout, the rectangle it
      // keeps included.
      const Region tall = Region::FromRect(CoordRect(0, 0, w, h1));
      Region shape = h1 >= m1i ? Region::RoundRect(CoordRect(0, -m1i, w + 1, std::min(h1, m1i)),
                                                   cw, Coord(h1))
                               : Region::RoundRect(CoordRect(0, -h1, w + 1, h1),
                                                   Coord(Corner(i, w)), Coord(Corner(i, h1)));
      return Region::Combine(shape, tall, CombineMode::kAnd);
    }
    case 6:
      if (i <= 0) return std::nullopt;
      // The phase switch looks at the width, as in 73 and 74.
      if (w >= ki) return clipped(CoordRect(0, h - std::min(h, mi), w + 1, h + mi), w, h);
      return clipped(CoordRect(0, 0, w + 1, 2 * h), Corner(i, w), Corner(i, h));
  }
  return std::nullopt;
}

void RunEllipseEffect(TTransThread& t, int32_t local) {
  const int32_t steps = StepCount;
  if (steps == 0) FailTransition();  // the growth per step is W / 0
  const EllipseShapes shapes(local, t.Width, t.Height, steps);
  t.BeginRegionReveal();
  bool done = false;
  for (int64_t i = 0; !AbortRequested; ++i) {
    if (done || SkipRequested) break;
    t.StartFrame();
    const std::optional<Region> r = shapes.RegionAt(i);
    t.RevealFrame(r ? &*r : nullptr, false);
    done = shapes.LastFrame(i);
    t.FrameWait();
  }
}

}  // namespace lw
