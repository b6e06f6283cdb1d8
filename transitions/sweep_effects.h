// The sweeps (101, 102): one block of the new frame travelling a rectangular
// spiral, outward from the centre or inward from the top-left corner.
#pragma once
#include <cstdint>

#include "gfx/rect.h"

namespace lw {

class SweepPath {
 public:
  // local is 1 (inside out) or 2 (outside in); steps must not be 0.
  SweepPath(int32_t local, int32_t width, int32_t height, int32_t steps);

  // The block at its current place, clipped to the frame.
  Rect Block() const;
  // Moves the block one step and turns it at the spiral's bounds.
  void Advance();
  bool Done() const { return done_; }

 private:
  bool outward_;
  int64_t w_, h_;
  int64_t p_, f_;        // block width and height
  int64_t h0_, g0_;      // block position (left, top)
  int64_t dx_, dy_;
  int64_t left_, top_, right_, bottom_;  // the spiral's current bounds
  bool done_ = false;
};

}  // namespace lw
