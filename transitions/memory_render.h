// Transitions played without threads or a screen, for the tools and the
// benchmarks: the worker runs on the calling thread, its paints run inline,
// and the clock moves only while the worker waits between frames.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>

#include "common/clock.h"
#include "common/main_thread.h"
#include "gfx/bitmap.h"

namespace lw {

// The calling thread is the UI thread: synchronous calls run at once, posted
// ones when ProcessPending runs.
class InlineMainThread : public MainThread {
 public:
  void RunSync(const std::function<void()>& fn) override { fn(); }
  void Post(std::function<void()> fn) override { pending_.push_back(std::move(fn)); }
  void ProcessPending() override;

 private:
  std::deque<std::function<void()>> pending_;
};

// Time stands still while drawing and advances by every sleep. A sleep taken
// at the very tick its frame started begins a frame-spacing wait: onWait runs.
class FrameWaitClock : public Clock {
 public:
  explicit FrameWaitClock(std::function<void()> onWait) : onWait_(std::move(onWait)) {}
  uint32_t TickCount() override { return now_; }
  void Sleep(uint32_t ms) override;

 private:
  uint32_t now_ = 0;
  std::function<void()> onWait_;
};

struct MemoryRender {
  int32_t effect = 1;
  int32_t width = 320, height = 240;
  int32_t steps = 32;
  uint32_t seed = 1;  // the random generator's seed at the start
};

// Plays r.effect from SampleOldPicture to SampleNewPicture with FramePeriod 0.
// `frame` receives the target at each frame-spacing wait and, last (with
// last = true), after the end. Returns the number of frame-spacing waits.
int32_t RenderInMemory(const MemoryRender& r, const std::function<void(const Bitmap& frame, bool last)>& frame);

}  // namespace lw
