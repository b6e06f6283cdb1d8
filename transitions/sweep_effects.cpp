#include "transitions/sweep_effects.h"

#include <algorithm>

#include "common/arith.h"
#include "transitions/families.h"
#include "transitions/shape_coords.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {

SweepPath::SweepPath(int32_t local, int32_t width, int32_t height, int32_t steps)
    : outward_(local == 1), w_(width), h_(height) {
  p_ = Ceil(w_ / 8.0);
  f_ = Ceil(h_ / 8.0);
  // One speed, derived from the height, serves both directions.
  const int64_t v = Ceil(h_ / (steps / 4.0));
  if (outward_) {
    left_ = h0_ = w_ / 2 - p_;
    top_ = g0_ = h_ / 2 - f_;
    right_ = w_ / 2;
    bottom_ = h_ / 2;
  } else {
    h0_ = g0_ = 0;
    left_ = top_ = -1;
    right_ = w_ - p_ + 1;
    bottom_ = h_ - f_ + 1;
  }
  dx_ = v;
  dy_ = 0;
}

Rect SweepPath::Block() const {
  // A block wholly off the frame clips to nothing.
  Rect r = CoordRect(std::max<int64_t>(h0_, 0), std::max<int64_t>(g0_, 0),
                     std::min(h0_ + p_, w_), std::min(g0_ + f_, h_));
  return r.IsEmpty() ? Rect{} : r;
}

void SweepPath::Advance() {
  // Each turn moves the bound just passed one block outward (inside out) or
  // inward (outside in); the turns go clockwise.
  const int64_t grow = outward_ ? 1 : -1;
  h0_ += dx_;
  g0_ += dy_;
  if (h0_ >= right_ && dx_ > 0) {
    top_ -= grow * f_;
    h0_ = right_;
    dy_ = dx_;
    dx_ = 0;
  } else if (g0_ >= bottom_ && dy_ > 0) {
    right_ += grow * p_;
    g0_ = bottom_;
    dx_ = -dy_;
    dy_ = 0;
  } else if (h0_ <= left_ && dx_ < 0) {
    bottom_ += grow * f_;
    h0_ = left_;
    dy_ = dx_;
    dx_ = 0;
  } else if (g0_ <= top_ && dy_ < 0) {
    left_ -= grow * p_;
    g0_ = top_;
    dx_ = -dy_;
    dy_ = 0;
  }
  done_ = outward_ ? (h0_ <= 0 && g0_ <= 0) : (right_ < left_ || bottom_ < top_);
}

void RunSweepEffect(TTransThread& t, int32_t local) {
  const int32_t steps = StepCount;
  if (steps == 0) FailTransition();  // the speed is H / (0 / 4)
  SweepPath path(local, t.Width, t.Height, steps);
  // The block goes straight from the new frame to the target.
  for (int64_t i = 0; !t.StopRequested() && !path.Done() && i <= 4 * int64_t{steps}; ++i) {
    t.StartFrame();
    t.SrcRect = t.DstRect = path.Block();
    t.PaintFromNew();
    t.FrameWait();
    path.Advance();
  }
}

}  // namespace lw
