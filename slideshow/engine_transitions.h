// The slide show's transitions through the transition engine.
#pragma once
#include "common/clock.h"
#include "common/main_thread.h"
#include "slideshow/slide_transitions.h"

namespace lw {

class EngineTransitions : public SlideTransitions {
 public:
  EngineTransitions(Clock& clock, MainThread& mainThread) : clock_(clock), mainThread_(mainThread) {}
  bool Start(PaintTarget& target, const Bitmap& frame, int32_t effect, int32_t steps,
             std::function<void()> onEnd) override;

 private:
  Clock& clock_;
  MainThread& mainThread_;
};

}  // namespace lw
