#include "transitions/run_transition.h"

#include "common/random.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {

void RunTransition(PaintTarget& target, const Bitmap& frame, int32_t effect, bool wait, int32_t steps,
                   int32_t framePeriod, Clock& clock, MainThread& mainThread) {
  SetRandSeed(clock.TickCount());
  AbortRequested = 0;
  SkipRequested = 0;
  TransitionRunning = 1;
  StepCount = steps;
  if (effect == 0) {
    try {
      target.CopyRect(frame.BoundsRect(), frame, frame.BoundsRect());
    } catch (...) {
      // The direct copy's failure is ignored.
    }
    TransitionRunning = 0;
    return;
  }
  TTransThread* worker = nullptr;
  try {
    worker = new TTransThread(effect, framePeriod, frame, target, clock, mainThread);
    // Published before the thread runs: a worker that fails at once must not
    // clear CurrentTransition before it has been set.
    CurrentTransition = worker;
    worker->Start();
  } catch (...) {
    // No worker could be made or started: nothing is pending.
    delete worker;
    CurrentTransition = nullptr;
    TransitionRunning = 0;
    return;
  }
  if (wait)
    while (TransitionRunning) mainThread.ProcessPending();
}

}  // namespace lw
