// Test doubles of the ports a transition uses, and a runner that plays one
// whole effect in memory.
//
//   FakeMainThread ui;          // the constructing thread is the UI thread
//   FakeClock clock;            // time moves only when someone sleeps
//   RecordingTarget target(W, H);
//   RunTransition(target, frame, effect, /*wait=*/true, steps, 0, clock, ui);
//   FinishTransitions(ui);      // runs the worker's completion on the UI thread
//
// or simply:
//
//   EffectRun run = RunEffectOnMemory(5, 800, 600, 4);
//   run.frames[k]               // the target at the k+1-th frame-spacing wait
//   run.frames.back()           // the target after the final paint
//   FrameEquals(run.target, run.newFrame) && OutsideUntouched(run.target, 800, 600)
//
// Derive fixtures from TransitionTest so every test starts with clear flags.
#pragma once
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "common/clock.h"
#include "common/main_thread.h"
#include "gfx/bitmap.h"
#include "gfx/memory_target.h"

namespace lw {

// The UI thread. RunSync from another thread queues the call and blocks until
// the UI thread has run it in ProcessPending (an exception it throws is thrown
// again in the calling thread); on the UI thread it runs inline.
class FakeMainThread : public MainThread {
 public:
  FakeMainThread();
  ~FakeMainThread() override;  // runs what is still queued

  void RunSync(const std::function<void()>& fn) override;
  void Post(std::function<void()> fn) override;
  // Runs everything queued; when nothing is, waits up to 1 ms for work.
  void ProcessPending() override;

  int syncCalls() const { return syncCalls_; }
  int posts() const { return posts_; }

 private:
  struct Sync {
    bool done = false;
    std::exception_ptr error;
  };
  struct Item {
    std::function<void()> fn;
    Sync* sync = nullptr;  // set for a synchronous call
  };
  std::mutex mutex_;
  std::condition_variable queued_, finished_;
  std::deque<Item> queue_;
  std::thread::id owner_;
  std::atomic<int> syncCalls_{0}, posts_{0};
};

// Time stands still except when Sleep advances it (and TickCount by
// tickAdvance, to simulate drawing time).
class FakeClock : public Clock {
 public:
  uint32_t TickCount() override { return now += tickAdvance; }
  void Sleep(uint32_t ms) override;

  std::atomic<uint32_t> now{0};
  std::atomic<uint32_t> tickAdvance{0};
  std::atomic<int> sleeps{0};
  // Called on the sleeping thread before the sleep is counted as done.
  std::function<void(uint32_t ms)> onSleep;
};

struct PaintRecord {
  Rect dst, src;
  int32_t frame;  // frame-spacing waits passed before this paint
};

// A memory target that records the rectangles of every paint.
class RecordingTarget : public MemoryTarget {
 public:
  using MemoryTarget::MemoryTarget;
  void CopyRect(const Rect& dstRect, const Bitmap& src, const Rect& srcRect) override;

  std::vector<PaintRecord> paints;
  std::atomic<int32_t> frame{0};
};

// Pumps the UI thread until the running transition has ended and its
// completion (OnTerminate, freeing the worker) has run.
void FinishTransitions(FakeMainThread& ui);

// Clears every transition flag before and after each test.
class TransitionTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// Colour of the target outside the frame: no sample pixel has it.
constexpr uint32_t kOutsideColor = 0x00FF00FFu;

struct EffectRunOptions {
  int32_t framePeriod = 0;
  int32_t margin = 3;     // target extends this far right of and below the frame
  bool snapshots = true;  // keep the target at every frame-spacing wait
  bool threaded = true;   // false: Execute runs on this thread, no RunTransition
  uint32_t startTick = 0;  // the fake clock's start (RunTransition seeds Random from it)
  // Runs on the worker at each frame-spacing wait with its number (1, 2, ...),
  // e.g. to raise a stop flag.
  std::function<void(int32_t wait)> onFrame;
};

struct EffectRun {
  Bitmap oldFrame, newFrame;  // the two sample pictures
  Bitmap target;              // the whole target (frame plus margin) at the end
  std::vector<Bitmap> frames;  // the target at each frame-spacing wait, then at the end
  std::vector<PaintRecord> paints;
  int32_t waits = 0;           // frame-spacing waits
  int sleeps = 0;
};

// Runs `effect` from SampleOldPicture to SampleNewPicture on a memory target
// with a fake clock. Stop flags are cleared first; SkipFinalPaint is taken as
// the caller set it.
EffectRun RunEffectOnMemory(int32_t effect, int32_t w, int32_t h, int32_t steps, const EffectRunOptions& options = {});

// True when the top-left picture-sized area of `target` equals `picture`.
bool FrameEquals(const Bitmap& target, const Bitmap& picture);
// True when every pixel of `target` outside (0, 0, w, h) is kOutsideColor.
bool OutsideUntouched(const Bitmap& target, int32_t w, int32_t h);

}  // namespace lw
