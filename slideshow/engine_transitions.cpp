#include "slideshow/engine_transitions.h"

#include "transitions/run_transition.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {

// Slides enter at one frame per 9 ms at most.
constexpr int32_t kSlideFramePeriod = 9;

bool EngineTransitions::Start(PaintTarget& target, const Bitmap& frame, int32_t effect, int32_t steps,
                              std::function<void()> onEnd) {
  RunTransition(target, frame, effect, false, steps, kSlideFramePeriod, clock_, mainThread_);
  // The worker cannot end before the UI thread serves its first paint, so the
  // handler is in place in time.
  TTransThread* worker = CurrentTransition.load();
  if (!worker) return false;
  worker->OnTerminate = std::move(onEnd);
  return true;
}

}  // namespace lw
