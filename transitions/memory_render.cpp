#include "transitions/memory_render.h"

#include "common/random.h"
#include "gfx/copy.h"
#include "gfx/memory_target.h"
#include "gfx/sample_pictures.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {

void InlineMainThread::ProcessPending() {
  while (!pending_.empty()) {
    auto fn = std::move(pending_.front());
    pending_.pop_front();
    fn();
  }
}

void FrameWaitClock::Sleep(uint32_t ms) {
  if (now_ == FrameStartTick) onWait_();
  now_ += ms;
}

int32_t RenderInMemory(const MemoryRender& r, const std::function<void(const Bitmap&, bool)>& frame) {
  const Bitmap oldPicture = SampleOldPicture(r.width, r.height);
  MemoryTarget target(r.width, r.height);
  CopyRect(target.surface, oldPicture.BoundsRect(), oldPicture, oldPicture.BoundsRect());
  int32_t waits = 0;
  FrameWaitClock clock([&] {
    ++waits;
    frame(target.surface, false);
  });
  InlineMainThread ui;

  SetRandSeed(r.seed);
  AbortRequested = 0;
  SkipRequested = 0;
  SkipFinalPaint = 0;
  TransitionRunning = 1;
  StepCount = r.steps;
  TTransThread worker(r.effect, 0, SampleNewPicture(r.width, r.height), target, clock, ui);
  worker.Execute();
  ui.ProcessPending();
  frame(target.surface, true);
  return waits;
}

}  // namespace lw
