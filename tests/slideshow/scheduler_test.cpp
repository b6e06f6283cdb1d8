#include <gtest/gtest.h>

#include <set>

#include "common/random.h"
#include "show_fakes.h"

namespace lw::test {
namespace {

std::vector<int32_t> Choices(SlideShow& show, int count) {
  std::vector<int32_t> out;
  for (int i = 0; i < count; ++i) {
    show.ChooseNextCounter();
    out.push_back(show.NextIndex);
  }
  return out;
}

// The item each tick loads, read from the frame the transition received (or
// the picture copied at once): every item has its own colour.
class TickFixture : public ShowFixture {
 public:
  explicit TickFixture(int n) {
    for (int i = 0; i < n; ++i) AddPicture(".jpg", 8, 8, 0xFF000000u | static_cast<uint32_t>(10 + i));
  }
  // The item on screen, found by its colour in the middle of the main canvas.
  int32_t OnScreen() {
    const uint32_t p = screen.main.canvas.surface.At(32, 24);
    return static_cast<int32_t>(p & 0xFF) - 10;
  }
  int32_t Tick() {
    timer.Fire();
    if (transitions.pending) transitions.Finish();
    return OnScreen();
  }
};

TEST(ChooseNextCounter, SequentialWrapsFromTheStart) {
  ShowFixture f;
  for (int i = 0; i < 3; ++i) f.items.push_back(MakeItem(".jpg", 0));
  EXPECT_EQ(Choices(f.Show(), 5), (std::vector<int32_t>{0, 1, 2, 0, 1}));
}

TEST(ChooseNextCounter, UnknownOrderRunsSequentiallyEvenWithAnIntro) {
  ShowFixture f;
  f.header.DisplayOrder = 7;
  f.header.FirstItemIntro = 1;
  for (int i = 0; i < 3; ++i) f.items.push_back(MakeItem(".jpg", 0));
  f.Show().NextIndex = 0;
  EXPECT_EQ(Choices(f.Show(), 4), (std::vector<int32_t>{1, 2, 1, 2}));
}

TEST(Scheduler, SequentialShowTicksThroughTheItems) {
  TickFixture f(3);
  f.Show().StartShow();
  EXPECT_EQ(f.OnScreen(), 0);
  EXPECT_EQ(f.Tick(), 1);
  EXPECT_EQ(f.Tick(), 2);
  EXPECT_EQ(f.Tick(), 0);
}

TEST(Scheduler, IntroIsShownOnceAndNeverChosenAgain) {
  TickFixture f(3);
  f.header.FirstItemIntro = 1;
  f.Show().StartShow();
  EXPECT_EQ(f.OnScreen(), 0);
  std::vector<int32_t> shown;
  for (int i = 0; i < 4; ++i) shown.push_back(f.Tick());
  EXPECT_EQ(shown, (std::vector<int32_t>{1, 2, 1, 2}));
}

TEST(Scheduler, IntroWithOneOtherItemDropsTheGlobalEffectAfterItsFirstEntrance) {
  TickFixture f(2);
  f.header.FirstItemIntro = 1;
  f.Show().StartShow();
  EXPECT_EQ(f.OnScreen(), 0);
  EXPECT_TRUE(f.transitions.calls.empty());  // the first slide appears at once

  EXPECT_EQ(f.Tick(), 1);
  ASSERT_EQ(f.transitions.calls.size(), 1u);
  EXPECT_EQ(f.transitions.calls[0].effect, 5);
  EXPECT_EQ(f.effect, "");  // cleared once item 1 was chosen after item 1

  EXPECT_EQ(f.Tick(), 1);
  EXPECT_EQ(f.Tick(), 1);
  ASSERT_EQ(f.transitions.calls.size(), 3u);
  EXPECT_EQ(f.transitions.calls[1].effect, 0);
  EXPECT_EQ(f.transitions.calls[2].effect, 0);
}

TEST(Scheduler, BackShowsTheItemBeforeTheOneOnScreen) {
  TickFixture f(8);
  SlideShow& show = f.Show();
  show.StartShow();
  for (int i = 0; i < 4; ++i) f.Tick();
  ASSERT_EQ(f.OnScreen(), 4);
  ASSERT_EQ(show.NextIndex, 5);
  show.ChooseBack();
  EXPECT_EQ(show.NextIndex, 3);
  EXPECT_FALSE(show.StepBack);
  EXPECT_EQ(f.Tick(), 3);
  EXPECT_EQ(f.Tick(), 4);
}

TEST(Scheduler, BackFromTheFirstItemWrapsToTheLast) {
  ShowFixture f;
  for (int i = 0; i < 4; ++i) f.items.push_back(MakeItem(".jpg", 0));
  SlideShow& show = f.Show();
  show.NextIndex = 0;
  show.ChooseNextCounter();  // 0 on screen, 1 next
  show.ChooseBack();
  EXPECT_EQ(show.NextIndex, 3);
}

TEST(Scheduler, RandomPassesHoldEveryItemOnceAndNeverRepeatAcrossABoundary) {
  for (int n : {2, 3, 7}) {
    ShowFixture f;
    f.header.DisplayOrder = 1;
    for (int i = 0; i < n; ++i) f.items.push_back(MakeItem(".jpg", 0));
    SetRandSeed(static_cast<uint32_t>(n) * 977u);
    const std::vector<int32_t> seq = Choices(f.Show(), 40 * n);
    for (size_t pass = 0; pass < seq.size(); pass += static_cast<size_t>(n)) {
      std::set<int32_t> items(seq.begin() + static_cast<long>(pass), seq.begin() + static_cast<long>(pass) + n);
      EXPECT_EQ(items.size(), static_cast<size_t>(n)) << "pass at " << pass;
    }
    for (size_t i = 1; i < seq.size(); ++i) ASSERT_NE(seq[i], seq[i - 1]) << "n " << n << " at " << i;
  }
}

TEST(Scheduler, RandomWithOneItemSwapsOnceAndDropsTheGlobalEffect) {
  ShowFixture f;
  f.header.DisplayOrder = 1;
  f.items.push_back(MakeItem(".jpg", 0));
  SetRandSeed(3);
  f.Show().ChooseNextCounter();
  EXPECT_EQ(f.Show().NextIndex, 0);
  EXPECT_TRUE(f.Show().ItemOrder.empty());
  EXPECT_EQ(f.effect, "");
  // One exchange: two draws.
  EXPECT_EQ(RandSeed(), (3u * 0x08088405u + 1u) * 0x08088405u + 1u);
}

// Counts LCG steps from one seed to another.
int StepsBetween(uint32_t from, uint32_t to) {
  for (int k = 0; k < 100000; ++k) {
    if (from == to) return k;
    from = from * 0x08088405u + 1u;
  }
  return -1;
}

TEST(Scheduler, AFreshOrderTakesMoreThanThreeExchangesPerItem) {
  for (int n : {2, 5, 30}) {
    ShowFixture f;
    f.header.DisplayOrder = 1;
    for (int i = 0; i < n; ++i) f.items.push_back(MakeItem(".jpg", 0));
    SetRandSeed(41);
    f.Show().ChooseNextCounter();
    const int draws = StepsBetween(41, RandSeed());
    EXPECT_EQ(draws % 2, 0);
    EXPECT_GE(draws / 2, 3 * n + 1) << n;
  }
}

TEST(Scheduler, ShuffleRepeatsOneCycle) {
  ShowFixture f;
  f.header.DisplayOrder = 2;
  const int n = 6;
  for (int i = 0; i < n; ++i) f.items.push_back(MakeItem(".jpg", 0));
  SetRandSeed(8);
  const std::vector<int32_t> seq = Choices(f.Show(), 4 * n);
  EXPECT_EQ(std::set<int32_t>(seq.begin(), seq.begin() + n).size(), static_cast<size_t>(n));
  for (size_t i = static_cast<size_t>(n); i < seq.size(); ++i) EXPECT_EQ(seq[i], seq[i - n]) << i;
  // The last element of the order comes first, then the order from its front.
  SetRandSeed(8);
  ShowFixture g;
  g.header.DisplayOrder = 2;
  for (int i = 0; i < n; ++i) g.items.push_back(MakeItem(".jpg", 0));
  g.Show().ChooseNextCounter();
  const std::vector<int32_t>& order = g.Show().ItemOrder;
  EXPECT_EQ(order.back(), seq[1]);
  EXPECT_EQ(order.front(), seq[2]);
}

TEST(Scheduler, DurationSetsTheIntervalForItsOwnPeriodOnly) {
  TickFixture f(3);
  f.items[1].Duration = 12;
  f.Show().StartShow();
  EXPECT_EQ(f.timer.interval, 5000u);
  EXPECT_TRUE(f.timer.enabled);
  EXPECT_EQ(f.Tick(), 1);
  EXPECT_EQ(f.timer.interval, 12000u);
  EXPECT_EQ(f.Tick(), 2);
  EXPECT_EQ(f.timer.interval, 5000u);
}

TEST(Scheduler, FirstSlideDurationArmsTheTimerAtStart) {
  TickFixture f(2);
  f.items[0].Duration = 9;
  f.Show().StartShow();
  EXPECT_EQ(f.timer.interval, 9000u);
}

TEST(Scheduler, HugeTimesStayWithinTheTimerRange) {
  TickFixture f(2);
  f.header.Seconds = 2000000000;
  f.items[1].Duration = -4;
  f.Show().StartShow();
  EXPECT_EQ(f.timer.interval, 0x7FFFFFFFu);
  f.header.Seconds = -3;
  f.Tick();
  EXPECT_EQ(f.timer.interval, 0u);
}

TEST(Scheduler, TimerStaysOffWhileATransitionRunsAndRestartsAfterIt) {
  TickFixture f(3);
  f.Show().StartShow();
  const int animations = f.gif.Count("animate");
  // The engine's flag says a worker runs.
  TransitionRunning = 1;
  f.timer.Fire();
  EXPECT_FALSE(f.timer.enabled);
  TransitionRunning = 0;
  f.transitions.Finish();
  EXPECT_TRUE(f.timer.enabled);
  EXPECT_EQ(f.gif.Count("animate"), animations + 1);
}

TEST(Scheduler, PausedPresentationKeepsTheTimerOff) {
  TickFixture f(3);
  f.host.presentation = true;
  f.host.playing = false;
  f.Show().StartShow();
  EXPECT_FALSE(f.timer.enabled);
  f.timer.Fire();
  EXPECT_FALSE(f.timer.enabled);
  f.transitions.Finish();
  EXPECT_FALSE(f.timer.enabled);
  f.host.playing = true;
  f.timer.Fire();
  EXPECT_TRUE(f.timer.enabled);
}

TEST(Scheduler, SingleItemStaysUnlessItIsFlash) {
  {
    TickFixture f(1);
    f.Show().StartShow();
    EXPECT_FALSE(f.timer.enabled);
  }
  for (const char* ext : {".swf", ".FLA"}) {
    ShowFixture f;
    f.items.push_back(MakeItem(ext, 1000));
    f.Show().StartShow();
    EXPECT_TRUE(f.timer.enabled) << ext;
    f.timer.Fire();
    EXPECT_TRUE(f.timer.enabled) << ext;
    EXPECT_EQ(f.files.extracted.size(), 2u);  // each tick tries it again
  }
}

TEST(Scheduler, EmptyShowNeverArmsTheTimer) {
  ShowFixture f;
  f.Show().StartShow();
  EXPECT_FALSE(f.timer.enabled);
  EXPECT_TRUE(f.files.extracted.empty());
}

TEST(Scheduler, AbortRequestedFinishesInsteadOfLoading) {
  TickFixture f(3);
  f.Show().StartShow();
  const size_t loads = f.files.extracted.size();
  AbortRequested = 1;
  f.timer.Fire();
  EXPECT_EQ(f.host.log, (std::vector<std::string>{"finish true"}));
  EXPECT_EQ(f.files.extracted.size(), loads);
}

TEST(Scheduler, TransitionEndDuringShutdownFinishesAndShowsTheBanner) {
  TickFixture f(3);
  f.Show().StartShow();
  f.timer.Fire();
  const int animations = f.gif.Count("animate");
  AbortRequested = 1;
  f.transitions.Finish();
  EXPECT_EQ(f.host.log, (std::vector<std::string>{"finish true", "banner"}));
  EXPECT_EQ(f.gif.Count("animate"), animations);
}

TEST(Scheduler, FailedLoadStillAdvancesAndKeepsThePreviousSlide) {
  TickFixture f(3);
  f.pictures.byPosition.erase(1100);  // item 1 cannot be read
  f.Show().StartShow();
  EXPECT_EQ(f.Tick(), 0);
  EXPECT_EQ(f.Show().NextIndex, 2);
  EXPECT_TRUE(f.timer.enabled);
  EXPECT_EQ(f.Show().LastLoadedIndex, 0);
  EXPECT_EQ(f.Tick(), 2);
}

TEST(Scheduler, FailedFirstLoadShowsTheNextSuccessfulOneAtOnce) {
  TickFixture f(3);
  f.pictures.byPosition.erase(1000);
  f.Show().StartShow();
  EXPECT_TRUE(f.Show().FirstSlide);
  EXPECT_EQ(f.Tick(), 1);
  EXPECT_TRUE(f.transitions.calls.empty());
  EXPECT_FALSE(f.Show().FirstSlide);
}

TEST(Scheduler, DesktopStartShowsTheDesktopThenTheFirstItemAfterOneMillisecond) {
  TickFixture f(3);
  f.header.DesktopStart = 1;
  SlideShow& show = f.Show();
  show.StartShow();
  EXPECT_EQ(f.screen.main.canvas.surface.At(5, 5), f.screen.desktop.At(5, 5));
  EXPECT_EQ(show.NextIndex, 0);
  EXPECT_EQ(f.timer.interval, 1u);
  EXPECT_TRUE(f.timer.enabled);
  EXPECT_EQ(f.header.DesktopStart, 0);
  EXPECT_EQ(f.files.deleted, f.files.extracted);  // extracted and deleted, nothing shown of it
  EXPECT_EQ(f.Tick(), 0);
  EXPECT_EQ(f.transitions.calls.size(), 1u);  // the first item enters through a transition
}

}  // namespace
}  // namespace lw::test
