#include <gtest/gtest.h>

#include <thread>

#include "common/random.h"
#include "gfx/copy.h"
#include "gfx/sample_pictures.h"
#include "tests/transitions/test_doubles.h"
#include "transitions/run_transition.h"
#include "transitions/step_count.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {
namespace {

class EngineTest : public TransitionTest {};

EffectRunOptions NoSnapshots() {
  EffectRunOptions o;
  o.snapshots = false;
  return o;
}

TEST_F(EngineTest, EffectZeroCopiesAtOnceWithoutAWorker) {
  FakeMainThread ui;
  FakeClock clock;
  RecordingTarget target(60, 50, kOutsideColor);
  const Bitmap frame = SampleNewPicture(40, 30);
  RunTransition(target, frame, 0, false, 32, 9, clock, ui);
  EXPECT_EQ(TransitionRunning, 0);
  EXPECT_EQ(CurrentTransition, nullptr);
  EXPECT_EQ(StepCount, 32);
  EXPECT_TRUE(FrameEquals(target.surface, frame));
  EXPECT_TRUE(OutsideUntouched(target.surface, 40, 30));
  EXPECT_EQ(ui.syncCalls() + ui.posts(), 0);
}

TEST_F(EngineTest, EffectNumbersOutsideTheCatalogueRunARandomOne) {
  struct Case {
    int32_t effect;
    bool random;
  };
  const Case cases[] = {{-1, true}, {121, true}, {1000, true}, {0, false}, {1, false}, {120, false}};
  FakeMainThread ui;
  FakeClock clock;
  MemoryTarget target(8, 6);
  const Bitmap frame = SampleNewPicture(8, 6);
  for (const Case& c : cases) {
    SetRandSeed(1234);
    const int32_t drawn = 1 + Random(120);
    SetRandSeed(1234);
    TTransThread worker(c.effect, 0, frame, target, clock, ui);
    worker.Execute();
    EXPECT_EQ(worker.EffectNumber, c.random ? drawn : c.effect) << c.effect;
  }
}

TEST_F(EngineTest, RandomEffectsRunToTheNewFrame) {
  for (int32_t effect : {-1, 121, 1000}) {
    const EffectRun run = RunEffectOnMemory(effect, 40, 30, 8, NoSnapshots());
    EXPECT_TRUE(FrameEquals(run.target, run.newFrame)) << effect;
    EXPECT_TRUE(OutsideUntouched(run.target, 40, 30)) << effect;
    EXPECT_EQ(TransitionRunning, 0);
  }
}

TEST_F(EngineTest, WorkerPaintsOnTheUiThreadAndFinishesThere) {
  struct ThreadCheckingTarget : MemoryTarget {
    using MemoryTarget::MemoryTarget;
    void CopyRect(const Rect& d, const Bitmap& s, const Rect& r) override {
      if (std::this_thread::get_id() != ui) ++foreignPaints;
      MemoryTarget::CopyRect(d, s, r);
    }
    std::thread::id ui = std::this_thread::get_id();
    int foreignPaints = 0;
  };
  FakeMainThread ui;
  FakeClock clock;
  ThreadCheckingTarget target(30, 20);
  const Bitmap frame = SampleNewPicture(30, 20);
  RunTransition(target, frame, 5, false, 4, 9, clock, ui);
  TTransThread* worker = CurrentTransition;
  ASSERT_NE(worker, nullptr);
  EXPECT_EQ(TransitionRunning, 1);
  bool ran = false;
  uint8_t runningSeen = 1;
  TTransThread* currentSeen = worker;
  std::thread::id handlerThread;
  worker->OnTerminate = [&] {
    ran = true;
    runningSeen = TransitionRunning;
    currentSeen = CurrentTransition;
    handlerThread = std::this_thread::get_id();
  };
  FinishTransitions(ui);
  EXPECT_TRUE(ran);
  EXPECT_EQ(runningSeen, 0);
  EXPECT_EQ(currentSeen, nullptr);
  EXPECT_EQ(handlerThread, std::this_thread::get_id());
  EXPECT_EQ(target.foreignPaints, 0);
  EXPECT_TRUE(FrameEquals(target.surface, frame));
}

TEST_F(EngineTest, WaitReturnsOnlyWhenTheTransitionHasEnded) {
  FakeMainThread ui;
  FakeClock clock;
  MemoryTarget target(30, 20);
  const Bitmap frame = SampleNewPicture(30, 20);
  RunTransition(target, frame, 23, true, 16, 0, clock, ui);
  EXPECT_EQ(TransitionRunning, 0);
  EXPECT_EQ(CurrentTransition, nullptr);
  EXPECT_TRUE(FrameEquals(target.surface, frame));
  FinishTransitions(ui);
}

TEST_F(EngineTest, SnapshotAndPaintsStayInsideASmallerFrame) {
  FakeMainThread ui;
  FakeClock clock;
  MemoryTarget target(50, 40, kOutsideColor);
  const Bitmap old = SampleOldPicture(30, 20);
  CopyRect(target.surface, old.BoundsRect(), old, old.BoundsRect());
  TTransThread worker(5, 0, SampleNewPicture(30, 20), target, clock, ui);
  EXPECT_EQ(worker.OldImage.width, 30);
  EXPECT_EQ(worker.OldImage.height, 20);
  EXPECT_EQ(worker.OldImage.pixels, old.pixels);
  EXPECT_EQ(worker.WorkImage.width, 30);
}

TEST_F(EngineTest, StopFlagEndsWithinOneFrameOnTheExactNewFrame) {
  // One effect per family; the stop comes at the second frame-spacing wait.
  for (int32_t effect : {1, 14, 23, 61, 65, 69, 70, 71, 77, 96, 101, 103, 115, 117}) {
    for (std::atomic<uint8_t>* flag : {&AbortRequested, &SkipRequested}) {
      EffectRunOptions options;
      options.snapshots = false;
      options.onFrame = [flag](int32_t wait) {
        if (wait == 2) *flag = 1;
      };
      const EffectRun run = RunEffectOnMemory(effect, 64, 48, 32, options);
      EXPECT_EQ(run.waits, 2) << effect;
      EXPECT_TRUE(FrameEquals(run.target, run.newFrame)) << effect;
      EXPECT_TRUE(OutsideUntouched(run.target, 64, 48)) << effect;
      EXPECT_EQ(TransitionRunning, 0);
      *flag = 0;
    }
  }
}

TEST_F(EngineTest, AbortWithSkipFinalPaintKeepsThePartialFrame) {
  for (int32_t effect : {1, 14, 23, 61, 65, 69, 70, 71, 77, 96, 101, 103, 115, 117}) {
    SkipFinalPaint = 1;
    EffectRunOptions options;
    options.onFrame = [](int32_t wait) {
      if (wait == 2) AbortRequested = 1;
    };
    const EffectRun run = RunEffectOnMemory(effect, 64, 48, 32, options);
    EXPECT_EQ(run.waits, 2) << effect;
    EXPECT_FALSE(FrameEquals(run.target, run.newFrame)) << effect;
    EXPECT_TRUE(OutsideUntouched(run.target, 64, 48)) << effect;
    // Nothing is painted after the frame in which the stop was seen.
    for (const PaintRecord& p : run.paints) EXPECT_LE(p.frame, 2) << effect;
  }
}

TEST_F(EngineTest, FailureEndsSilentlyAndStillClearsTheRunningState) {
  struct FailingTarget : MemoryTarget {
    using MemoryTarget::MemoryTarget;
    void CopyRect(const Rect&, const Bitmap&, const Rect&) override { FailTransition(); }
  };
  FakeMainThread ui;
  FakeClock clock;
  FailingTarget target(20, 10);
  TransitionRunning = 1;
  TTransThread worker(23, 0, SampleNewPicture(20, 10), target, clock, ui);
  CurrentTransition = &worker;
  worker.Execute();  // on the UI thread, so the failing paint throws into the worker
  EXPECT_EQ(TransitionRunning, 0);
  EXPECT_EQ(CurrentTransition, nullptr);
  EXPECT_TRUE(worker.NewImage.Empty());
  EXPECT_TRUE(worker.OldImage.Empty());
  EXPECT_TRUE(worker.WorkImage.Empty());

  // On its own thread the failure comes back from the UI thread's paint; the
  // completion handler still runs.
  RunTransition(target, SampleNewPicture(20, 10), 23, false, 8, 0, clock, ui);
  ASSERT_NE(CurrentTransition, nullptr);
  bool handled = false;
  CurrentTransition.load()->OnTerminate = [&] { handled = true; };
  FinishTransitions(ui);
  EXPECT_TRUE(handled);
  EXPECT_EQ(TransitionRunning, 0);
  EXPECT_EQ(CurrentTransition, nullptr);
}

TEST_F(EngineTest, StepCountZeroEndsSilentlyWhereTheGeometryDividesByIt) {
  struct Case {
    int32_t effect;
    bool finalPaint;  // geometry that never divides by the step count runs on
  };
  const Case cases[] = {{1, false},   {10, false},  {23, false}, {61, true},   {65, false},
                        {69, false},  {70, false},  {71, false}, {77, false},  {100, true},
                        {101, false}, {103, false}, {115, false}, {117, false}};
  for (const Case& c : cases) {
    const EffectRun run = RunEffectOnMemory(c.effect, 40, 30, 0, NoSnapshots());
    EXPECT_EQ(FrameEquals(run.target, run.newFrame), c.finalPaint) << c.effect;
    EXPECT_TRUE(OutsideUntouched(run.target, 40, 30)) << c.effect;
    EXPECT_EQ(TransitionRunning, 0);
    EXPECT_EQ(CurrentTransition, nullptr);
  }
}

TEST_F(EngineTest, CheckedArithmeticFailsInsteadOfUndefinedResults) {
  EXPECT_THROW(Quot(3, 0), TransitionFailure);
  EXPECT_THROW(Div(3, 0), TransitionFailure);
  EXPECT_THROW(Rem(3, 0), TransitionFailure);
  EXPECT_THROW(Div(INT32_MIN, -1), TransitionFailure);
  EXPECT_THROW(RoundPx(1e12), TransitionFailure);
  EXPECT_THROW(CeilPx(std::nan("")), TransitionFailure);
  EXPECT_EQ(Div(-7, 2), -3);
  EXPECT_EQ(Rem(-7, 2), -1);
  EXPECT_EQ(RoundPx(2.5), 2);
  EXPECT_EQ(RoundPx(-3.5), -4);
  EXPECT_EQ(CeilPx(-0.5), 0);
  EXPECT_DOUBLE_EQ(Quot(1, 4), 0.25);
}

TEST(EngineStepCount, FollowsTheSpeedTable) {
  const int32_t w800[] = {800, 600, 400, 200, 100, 60, 40, 20, 8, 4};
  const int32_t w1024[] = {1024, 768, 400, 256, 128, 64, 32, 16, 8, 4};
  for (int32_t speed = 1; speed <= 10; ++speed) {
    EXPECT_EQ(SlideStepCount(speed, 800), w800[speed - 1]) << speed;
    EXPECT_EQ(SlideStepCount(speed, 1024), w1024[speed - 1]) << speed;
  }
  EXPECT_EQ(SlideStepCount(1, 1280), 1280);
  EXPECT_EQ(SlideStepCount(3, 1280), 424);  // 426 truncated to a multiple of 4
  EXPECT_EQ(SlideStepCount(7, 1366), 192);  // 195
  EXPECT_EQ(SlideStepCount(10, 39), 0);     // a window narrower than four times the speed
  EXPECT_EQ(SlideStepCount(0, 1280), 1280);    // out-of-range speeds count as the nearest end
  EXPECT_EQ(SlideStepCount(11, 800), 4);
}

}  // namespace
}  // namespace lw
