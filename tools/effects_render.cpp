#include "tools/effects_render.h"

#include <deque>

#include "common/random.h"
#include "gfx/copy.h"
#include "gfx/memory_target.h"
#include "gfx/sample_pictures.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {
namespace {

// The worker runs on this very thread, so the UI thread's work runs inline.
class InlineMainThread : public MainThread {
 public:
  void RunSync(const std::function<void()>& fn) override { fn(); }
  void Post(std::function<void()> fn) override { pending_.push_back(std::move(fn)); }
  void ProcessPending() override {
    while (!pending_.empty()) {
      auto fn = std::move(pending_.front());
      pending_.pop_front();
      fn();
    }
  }

 private:
  std::deque<std::function<void()>> pending_;
};

// Time moves only by sleeping; a frame-spacing wait starts with a sleep taken
// at the very tick its frame started.
class FrameClock : public Clock {
 public:
  explicit FrameClock(std::function<void()> onWait) : onWait_(std::move(onWait)) {}
  uint32_t TickCount() override { return now_; }
  void Sleep(uint32_t ms) override {
    if (now_ == FrameStartTick) onWait_();
    now_ += ms;
  }

 private:
  uint32_t now_ = 0;
  std::function<void()> onWait_;
};

}  // namespace

int32_t RenderEffect(const EffectRender& r, const std::function<void(const Bitmap&, bool)>& frame) {
  const Bitmap oldPicture = SampleOldPicture(r.width, r.height);
  MemoryTarget target(r.width, r.height);
  CopyRect(target.surface, oldPicture.BoundsRect(), oldPicture, oldPicture.BoundsRect());
  int32_t waits = 0;
  FrameClock clock([&] {
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
