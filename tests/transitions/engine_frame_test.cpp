#include <gtest/gtest.h>

#include "gfx/copy.h"
#include "gfx/region.h"
#include "gfx/sample_pictures.h"
#include "tests/transitions/test_doubles.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {
namespace {

class EngineFrameTest : public TransitionTest {
 protected:
  FakeMainThread ui;
  FakeClock clock;
  RecordingTarget target{16, 8};
  std::vector<uint32_t> naps;

  void SetUp() override {
    TransitionTest::SetUp();
    clock.onSleep = [this](uint32_t ms) { naps.push_back(ms); };
  }
  TTransThread Worker(int32_t framePeriod) {
    return TTransThread(1, framePeriod, SampleNewPicture(16, 8), target, clock, ui);
  }
};

TEST_F(EngineFrameTest, WaitSleepsInOneMillisecondStepsUntilThePeriodHasPassed) {
  TTransThread t = Worker(9);
  t.StartFrame();
  t.FrameWait();
  EXPECT_EQ(naps, std::vector<uint32_t>(9, 1));
}

TEST_F(EngineFrameTest, SlowFrameIsFollowedBySingleSleep) {
  TTransThread t = Worker(9);
  clock.tickAdvance = 20;  // drawing took longer than the period
  t.StartFrame();
  t.FrameWait();
  EXPECT_EQ(naps, std::vector<uint32_t>{1});
}

TEST_F(EngineFrameTest, ZeroPeriodStillSleepsOnce) {
  for (int32_t period : {0, -5}) {
    naps.clear();
    TTransThread t = Worker(period);
    t.StartFrame();
    t.FrameWait();
    EXPECT_EQ(naps, std::vector<uint32_t>{0}) << period;
  }
}

TEST_F(EngineFrameTest, TickWraparoundDoesNotStretchTheWait) {
  const uint32_t starts[] = {0xFFFFFFFBu, 0x7FFFFFFEu};
  for (uint32_t start : starts) {
    naps.clear();
    clock.now = start;
    TTransThread t = Worker(9);
    t.StartFrame();
    t.FrameWait();
    EXPECT_EQ(naps.size(), 9u) << start;
  }
  // A start tick half the counter away counts as long past.
  naps.clear();
  TTransThread t = Worker(9);
  FrameStartTick = clock.now.load() + 0x80000000u;
  t.FrameWait();
  EXPECT_EQ(naps.size(), 1u);
}

TEST_F(EngineFrameTest, StopFlagCutsTheWaitShort) {
  TTransThread t = Worker(9);
  clock.onSleep = [this](uint32_t ms) {
    naps.push_back(ms);
    if (naps.size() == 3) SkipRequested = 1;
  };
  t.StartFrame();
  t.FrameWait();
  EXPECT_EQ(naps.size(), 3u);
  EXPECT_TRUE(t.StopRequested());
}

struct PartCounts {
  int stepped = 0, painted = 0;
};

// Paints its rectangle of the new frame in every frame; counts what it does.
struct CountingPart : TransitionPart {
  CountingPart(int32_t steps, Rect rect, PartCounts* counts) : steps(steps), rect(rect), counts(counts) {}
  bool Step() override {
    ++counts->stepped;
    if (steps <= 0) return false;
    --steps;
    return steps > 0;
  }
  void Paint(TTransThread& t) override {
    ++counts->painted;
    t.SrcRect = t.DstRect = rect;
    t.PaintFromNew();
  }
  int32_t steps;
  Rect rect;
  PartCounts* counts;
};

TEST_F(EngineFrameTest, PartLoopRunsUntilTheLongestPartTakesItsLastStep) {
  TTransThread t = Worker(0);
  PartCounts shortCounts, longCounts, unreached;
  std::vector<std::unique_ptr<TransitionPart>> parts;
  parts.push_back(std::make_unique<CountingPart>(3, Rect{0, 0, 4, 8}, &shortCounts));
  parts.push_back(std::make_unique<CountingPart>(5, Rect{4, 0, 8, 8}, &longCounts));
  parts.push_back(nullptr);  // an empty slot ends the iteration
  parts.push_back(std::make_unique<CountingPart>(50, Rect{8, 0, 16, 8}, &unreached));
  t.RunPartLoop(parts);
  EXPECT_TRUE(parts.empty());
  EXPECT_EQ(shortCounts.stepped, 5);  // every part is stepped and painted in every frame
  EXPECT_EQ(shortCounts.painted, 5);
  EXPECT_EQ(longCounts.stepped, 5);
  EXPECT_EQ(unreached.stepped, 0);
  EXPECT_EQ(naps.size(), 4u);  // no wait after the last frame
  ASSERT_EQ(target.paints.size(), 10u);
  EXPECT_EQ(target.paints[0].dst, (Rect{0, 0, 4, 8}));  // slot order
  EXPECT_EQ(target.paints[1].dst, (Rect{4, 0, 8, 8}));
}

TEST_F(EngineFrameTest, PartLoopLeavesAfterTheFrameInWhichAStopIsSeen) {
  TTransThread t = Worker(0);
  std::vector<std::unique_ptr<TransitionPart>> parts;
  PartCounts counts;
  parts.push_back(std::make_unique<CountingPart>(100, Rect{0, 0, 16, 8}, &counts));
  clock.onSleep = [&](uint32_t ms) {
    naps.push_back(ms);
    if (naps.size() == 2) AbortRequested = 1;
  };
  t.RunPartLoop(parts);
  EXPECT_EQ(naps.size(), 2u);
  EXPECT_EQ(target.paints.size(), 3u);
}

}  // namespace
}  // namespace lw

namespace lw {
namespace {

TEST_F(EngineFrameTest, RegionRevealAccumulatesInTheWorkImageAndPaintsItWhole) {
  const Bitmap old = SampleOldPicture(16, 8);
  CopyRect(target.surface, old.BoundsRect(), old, old.BoundsRect());
  TTransThread t = Worker(0);
  t.BeginRegionReveal();
  EXPECT_EQ(t.WorkImage.pixels, old.pixels);

  const Region left = Region::FromRect(Rect{-5, 0, 4, 8});     // sticks out of the frame
  const Region right = Region::FromRect(Rect{12, 2, 16, 6});
  t.RevealFrame(&left, true);
  t.RevealFrame(&right, false);
  t.RevealFrame(nullptr, true);
  ASSERT_EQ(target.paints.size(), 3u);
  for (const PaintRecord& p : target.paints) {
    EXPECT_EQ(p.dst, (Rect{0, 0, 16, 8}));
    EXPECT_EQ(p.src, (Rect{0, 0, 16, 8}));
  }
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 16; ++x) {
      const bool revealed = x < 4 || (x >= 12 && y >= 2 && y < 6);
      EXPECT_EQ(target.surface.At(x, y), revealed ? t.NewImage.At(x, y) : old.At(x, y)) << x << "," << y;
    }
}

}  // namespace
}  // namespace lw
