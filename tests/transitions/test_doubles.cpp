#include "tests/transitions/test_doubles.h"

#include <chrono>
#include <map>
#include <tuple>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "gfx/copy.h"
#include "gfx/sample_pictures.h"
#include "transitions/run_transition.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {

FakeMainThread::FakeMainThread() : owner_(std::this_thread::get_id()) {}

FakeMainThread::~FakeMainThread() {
  std::deque<Item> rest;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    rest.swap(queue_);
  }
  for (Item& item : rest) item.fn();
}

void FakeMainThread::RunSync(const std::function<void()>& fn) {
  ++syncCalls_;
  if (std::this_thread::get_id() == owner_) {
    fn();
    return;
  }
  Sync sync;
  std::unique_lock<std::mutex> lock(mutex_);
  queue_.push_back(Item{fn, &sync});
  queued_.notify_all();
  finished_.wait(lock, [&] { return sync.done; });
  if (sync.error) std::rethrow_exception(sync.error);
}

void FakeMainThread::Post(std::function<void()> fn) {
  ++posts_;
  std::lock_guard<std::mutex> lock(mutex_);
  queue_.push_back(Item{std::move(fn), nullptr});
  queued_.notify_all();
}

void FakeMainThread::ProcessPending() {
  std::deque<Item> work;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    if (queue_.empty()) queued_.wait_for(lock, std::chrono::milliseconds(1), [&] { return !queue_.empty(); });
    work.swap(queue_);
  }
  for (Item& item : work) {
    if (!item.sync) {
      item.fn();
      continue;
    }
    std::exception_ptr error;
    try {
      item.fn();
    } catch (...) {
      error = std::current_exception();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    item.sync->error = error;
    item.sync->done = true;
    finished_.notify_all();
  }
}

void FakeClock::Sleep(uint32_t ms) {
  if (onSleep) onSleep(ms);
  now += ms;
  ++sleeps;
}

void RecordingTarget::CopyRect(const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  paints.push_back(PaintRecord{dstRect, srcRect, frame.load()});
  MemoryTarget::CopyRect(dstRect, src, srcRect);
}

void FinishTransitions(FakeMainThread& ui) {
  while (TransitionRunning) ui.ProcessPending();
  // The worker queues its completion before it clears the running state.
  ui.ProcessPending();
}

namespace {
void ClearTransitionState() {
  AbortRequested = 0;
  SkipRequested = 0;
  SkipFinalPaint = 0;
  TransitionRunning = 0;
  CurrentTransition = nullptr;
  StepCount = 64;
}
}  // namespace

void TransitionTest::SetUp() { ClearTransitionState(); }
void TransitionTest::TearDown() { ClearTransitionState(); }

namespace {
// Sweeps ask for the same few sizes again and again.
const Bitmap& CachedPicture(bool isNew, int32_t w, int32_t h) {
  static std::map<std::tuple<bool, int32_t, int32_t>, Bitmap> cache;
  auto [it, added] = cache.try_emplace({isNew, w, h});
  if (added) it->second = isNew ? SampleNewPicture(w, h) : SampleOldPicture(w, h);
  return it->second;
}
}  // namespace

EffectRun RunEffectOnMemory(int32_t effect, int32_t w, int32_t h, int32_t steps, const EffectRunOptions& options) {
#ifdef __GLIBC__
  // Sweeps allocate and free frame-sized bitmaps thousands of times; handing
  // them back to the system would cost a page fault per 4 KiB on every run.
  static const bool heapTuned = mallopt(M_MMAP_THRESHOLD, 64 << 20) && mallopt(M_TRIM_THRESHOLD, 512 << 20);
  (void)heapTuned;
#endif
  EffectRun run;
  run.oldFrame = CachedPicture(false, w, h);
  run.newFrame = CachedPicture(true, w, h);
  RecordingTarget target(w + options.margin, h + options.margin, kOutsideColor);
  CopyRect(target.surface, run.oldFrame.BoundsRect(), run.oldFrame, run.oldFrame.BoundsRect());

  FakeMainThread ui;
  FakeClock clock;
  clock.now = options.startTick;
  // A frame-spacing wait begins with a sleep taken while no time has passed
  // since the frame started (the fake clock stands still while drawing).
  clock.onSleep = [&](uint32_t) {
    if (clock.now.load() != FrameStartTick.load()) return;
    ++run.waits;
    target.frame = run.waits;
    // The UI thread is idle here: the worker only sleeps between paints.
    if (options.snapshots) run.frames.push_back(target.surface);
    if (options.onFrame) options.onFrame(run.waits);
  };

  AbortRequested = 0;
  SkipRequested = 0;
  if (options.threaded) {
    RunTransition(target, run.newFrame, effect, true, steps, options.framePeriod, clock, ui);
    FinishTransitions(ui);
  } else {
    TransitionRunning = 1;
    StepCount = steps;
    TTransThread worker(effect, options.framePeriod, run.newFrame, target, clock, ui);
    worker.Execute();
  }
  if (options.snapshots) run.frames.push_back(target.surface);
  run.target = std::move(target.surface);
  run.paints = std::move(target.paints);
  run.sleeps = clock.sleeps;
  return run;
}

bool FrameEquals(const Bitmap& target, const Bitmap& picture) {
  if (target.width < picture.width || target.height < picture.height) return false;
  for (int32_t y = 0; y < picture.height; ++y)
    if (!std::equal(picture.Row(y), picture.Row(y) + picture.width, target.Row(y))) return false;
  return true;
}

bool OutsideUntouched(const Bitmap& target, int32_t w, int32_t h) {
  for (int32_t y = 0; y < target.height; ++y)
    for (int32_t x = (y < h ? w : 0); x < target.width; ++x)
      if (target.At(x, y) != kOutsideColor) return false;
  return true;
}

}  // namespace lw
