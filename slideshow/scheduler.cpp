// The slide show's scheduling: the slide timer's tick, the choice of the next
// item, and the start of the show.
#include <algorithm>
#include <numeric>

#include "common/random.h"
#include "slideshow/slide_show.h"
#include "transitions/transition_state.h"

namespace lw {
namespace {

// Display orders; 0 and anything unknown run sequentially.
constexpr int32_t kRandom = 1, kShuffle = 2;

// Interval of the slide timer for a time in seconds. Windows timers take at
// most 0x7FFFFFFF ms; a negative time never fires, like 0.
uint32_t SecondsToInterval(int32_t seconds) {
  const int64_t ms = int64_t{seconds} * 1000;
  return static_cast<uint32_t>(std::clamp<int64_t>(ms, 0, 0x7FFFFFFF));
}

}  // namespace

SlideShow::SlideShow(const ShowData& data, const SlideShowPorts& ports) : data_(data), ports_(ports) {
  ports_.timer.OnTimer = [this] { TimerTimer(); };
}

const ItemRecord* SlideShow::Item(int32_t index) const {
  if (index < 0 || index >= ItemCount()) return nullptr;
  return &data_.items[static_cast<size_t>(index)];
}

uint32_t SlideShow::SlideInterval() const {
  const ItemRecord* item = Item(LastLoadedIndex);
  if (item && item->Duration > 0) return SecondsToInterval(item->Duration);
  return SecondsToInterval(data_.header.Seconds);
}

void SlideShow::FillItemOrder(int32_t prev) {
  const int32_t n = ItemCount();
  ItemOrder.resize(static_cast<size_t>(n));
  std::iota(ItemOrder.begin(), ItemOrder.end(), 0);
  // At least 3·N + 1 exchanges, and a fresh order never starts with the item
  // on screen.
  int32_t swaps = 0;
  for (;;) {
    ++swaps;
    const int32_t a = Random(n);
    const int32_t b = Random(n);
    std::swap(ItemOrder[static_cast<size_t>(a)], ItemOrder[static_cast<size_t>(b)]);
    if ((swaps > 3 * n && ItemOrder.back() != prev) || n < 2) break;
  }
}

void SlideShow::ChooseNextCounter() {
  const int32_t n = ItemCount();
  const bool intro = data_.header.FirstItemIntro != 0;
  const int32_t prev = NextIndex;
  PreviousIndex = NextIndex;
  if (n > 0) {
    // With an intro, item 0 is never chosen again once there is another item.
    do {
      const int32_t order = data_.header.DisplayOrder;
      if (order == kRandom || order == kShuffle) {
        if (ItemOrder.empty()) FillItemOrder(prev);
        NextIndex = ItemOrder.back();
        if (order == kRandom)
          ItemOrder.pop_back();
        else
          std::rotate(ItemOrder.begin(), ItemOrder.begin() + 1, ItemOrder.end());
      } else {
        // Sequential; unknown orders too, which would otherwise repeat one
        // item for ever (and never end the loop with an intro).
        if (StepBack) {
          NextIndex = (NextIndex - 1) % n;
          if (NextIndex < 0) NextIndex = n - 1;
        } else {
          NextIndex = (NextIndex + 1) % n;
        }
      }
    } while (n > 1 && intro && NextIndex <= 0);
  }
  // Only one slide keeps coming: it stays without a transition, unless the
  // item has a selection of its own.
  if (n <= 1 || (intro && n <= 2 && prev != 0)) data_.effect.clear();
  StepBack = false;
}

void SlideShow::ChooseBack() {
  NextIndex = PreviousIndex;
  StepBack = true;
  ChooseNextCounter();
}

void SlideShow::TimerTimer() {
  ShowHost& host = ports_.host;
  Timer& timer = ports_.timer;
  if (AbortRequested.load()) {
    host.FinishScreenSaver(true);
    return;
  }
  timer.SetEnabled(false);
  ports_.gif.StopGif();
  LoadImage(NextIndex, false);
  ChooseNextCounter();
  timer.SetInterval(SlideInterval());
  const bool stayOff = ItemCount() < 2 || VideoPlaying || TransitionRunning.load() != 0 ||
                       (host.PresentationMode() && !host.PresentationPlaying());
  if (!stayOff) timer.SetEnabled(true);
  // A lone Flash item keeps ticking: each tick tries it again.
  if (ItemCount() == 1 && IsFlashExt(ExtText(data_.items[0].Ext))) timer.SetEnabled(true);
}

void SlideShow::RestartTimer() {
  ShowHost& host = ports_.host;
  if (!host.PresentationMode() || host.PresentationPlaying()) ports_.timer.SetEnabled(true);
  if (AbortRequested.load()) {
    host.FinishScreenSaver(true);
    host.DisplayExitBanner();
  } else {
    ports_.gif.AnimateGif();
  }
}

void SlideShow::StartShow() {
  PackageHeader& h = data_.header;
  ShowHost& host = ports_.host;
  Timer& timer = ports_.timer;
  const int32_t n = ItemCount();
  FirstSlide = true;
  NextIndex = -1;
  if (h.FirstItemIntro && n > 0)
    NextIndex = 0;
  else
    ChooseNextCounter();
  const int32_t first = NextIndex;
  // A video as the first item clears DesktopStart while it loads.
  LoadImage(NextIndex, h.DesktopStart != 0);
  if (!h.DesktopStart) ChooseNextCounter();

  if (n > 0 && !VideoPlaying) {
    timer.SetEnabled(true);
    if (h.DesktopStart) {
      // The first real slide replaces the desktop picture at once.
      timer.SetInterval(1);
    } else {
      const ItemRecord* item = Item(first);
      timer.SetInterval(SecondsToInterval(item && item->Duration > 0 ? item->Duration : h.Seconds));
      if (n == 1 && !IsFlashExt(ExtText(data_.items[0].Ext))) timer.SetEnabled(false);
      if (host.PresentationMode() && !host.PresentationPlaying()) timer.SetEnabled(false);
    }
  }
  h.DesktopStart = 0;
}

}  // namespace lw
