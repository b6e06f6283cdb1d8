// Port: starting the transition that brings a composed slide on screen.
#pragma once
#include <cstdint>
#include <functional>

#include "gfx/bitmap.h"
#include "gfx/paint_target.h"

namespace lw {

class SlideTransitions {
 public:
  virtual ~SlideTransitions() = default;
  // Runs the transition from what target shows to frame with `effect` in
  // `steps` steps (frame period 9 ms). True when a transition now runs; it
  // then calls onEnd on the UI thread once it has ended. False when the frame
  // was copied at once (effect 0): onEnd is not called.
  virtual bool Start(PaintTarget& target, const Bitmap& frame, int32_t effect, int32_t steps,
                     std::function<void()> onEnd) = 0;
};

}  // namespace lw
