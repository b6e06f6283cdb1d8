// GIF playback on a fake timer: which frame is on screen when, and what the
// surface shows.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "gfx/memory_target.h"
#include "slideshow/gif_player.h"
#include "tests/slideshow/gif_builder.h"

namespace lw {
namespace {

using test::GifBuilder;

// A timer on a virtual clock: Advance runs the ticks that fall due.
class FakeTimer : public Timer {
 public:
  void SetEnabled(bool enabled) override {
    if (enabled && !enabled_) due_ = now + interval_;
    enabled_ = enabled;
  }
  bool Enabled() const override { return enabled_; }
  void SetInterval(uint32_t ms) override {
    interval_ = ms;
    due_ = now + ms;
  }
  uint32_t Interval() const override { return interval_; }

  void Advance(uint64_t until) {
    // An interval of 0 never fires, as with a disabled timer.
    while (enabled_ && interval_ > 0 && due_ <= until) {
      now = due_;
      due_ = now + interval_;
      OnTimer();
    }
    now = until;
  }

  uint64_t now = 0;

 private:
  bool enabled_ = false;
  uint32_t interval_ = 1000;
  uint64_t due_ = 0;
};

// The slide: a base picture and a surface of 8 x 6, the picture at (2, 1)
// in its own size, 4 x 3.
class FakeSlide : public GifSlide {
 public:
  FakeSlide() : base(8, 6), surface(8, 6) {
    for (int32_t y = 0; y < 6; ++y)
      for (int32_t x = 0; x < 8; ++x) base.At(x, y) = 0xFF000000u | static_cast<uint32_t>(x * 30 + y);
  }
  const Bitmap& GifBase() const override { return base; }
  Rect SlideRect() const override { return Rect{2, 1, 6, 4}; }
  PaintTarget& ShowSurface() override { return surface; }

  Bitmap base;
  MemoryTarget surface;
};

constexpr uint32_t kColors[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

// Frames of one colour each (frame k in colour k), with the given delays in
// hundredths of a second.
std::vector<uint8_t> SolidFrames(const std::vector<uint16_t>& delaysCs, bool loops) {
  GifBuilder g(4, 3, {kColors[0], kColors[1], kColors[2], kColors[3]});
  if (loops) g.Loop();
  for (size_t k = 0; k < delaysCs.size(); ++k)
    g.Control(1, delaysCs[k]).Image(0, 0, 4, 3, std::vector<uint8_t>(12, static_cast<uint8_t>(k % 4)));
  return g.Trailer().bytes;
}

class GifPlayback : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/lw-gifplay-XXXXXX";
    int fd = mkstemp(tmpl);
    ASSERT_GE(fd, 0);
    close(fd);
    player.GifFileName = tmpl;
  }
  void TearDown() override { std::remove(player.GifFileName.c_str()); }

  void Load(const std::vector<uint8_t>& gif) {
    std::ofstream(player.GifFileName, std::ios::binary).write(reinterpret_cast<const char*>(gif.data()), gif.size());
    player.GifFrameIndex = 0;
    ASSERT_TRUE(player.LoadGif());
  }

  // The frame on screen, by its colour at the picture's centre; -1 for none.
  int ShownFrame() const {
    uint32_t rgb = slide.surface.surface.At(3, 2) & 0xFFFFFF;
    for (int k = 0; k < 4; ++k)
      if (rgb == kColors[k]) return k;
    return -1;
  }

  // Runs the clock to `until` and lists (time, frame) for every change.
  std::vector<std::pair<uint64_t, int>> Watch(uint64_t until) {
    std::vector<std::pair<uint64_t, int>> changes;
    int shown = ShownFrame();
    while (timer.now < until) {
      timer.Advance(timer.now + 1);
      if (ShownFrame() != shown) changes.push_back({timer.now, shown = ShownFrame()});
    }
    return changes;
  }

  FakeTimer timer;
  FakeSlide slide;
  GifPlayer player{timer, slide};
};

using Timeline = std::vector<std::pair<uint64_t, int>>;

TEST_F(GifPlayback, EachFrameStaysForItsOwnDelay) {
  Load(SolidFrames({10, 20, 30}, true));
  player.AnimateGif();
  // Frame 0 is drawn 1 ms after the start, then 100, 200 and 300 ms each.
  EXPECT_EQ(Watch(1400), (Timeline{{1, 0}, {101, 1}, {301, 2}, {601, 0}, {701, 1}, {901, 2}, {1201, 0}, {1301, 1}}));
}

TEST_F(GifPlayback, PlayOnceRestsOnTheLastFrame) {
  Load(SolidFrames({10, 20, 30}, false));
  player.AnimateGif();
  EXPECT_EQ(Watch(5000), (Timeline{{1, 0}, {101, 1}, {301, 2}}));
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(player.GifFrameIndex, 3);
}

TEST_F(GifPlayback, ZeroDelayFramesDoNotStopTheAnimation) {
  Load(SolidFrames({10, 0, 20}, true));
  player.AnimateGif();
  EXPECT_EQ(Watch(400),
            (Timeline{{1, 0}, {101, 1}, {101 + kGifMinFrameDelayMs, 2}, {301 + kGifMinFrameDelayMs, 0}}));
}

TEST_F(GifPlayback, OneFrameNeverTicks) {
  Load(SolidFrames({10}, true));
  player.AnimateGif();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_TRUE(Watch(1000).empty());
}

TEST_F(GifPlayback, StopGifEndsTheAnimationAndReleasesTheGif) {
  Load(SolidFrames({10, 20, 30}, true));
  player.AnimateGif();
  Watch(150);
  player.StopGif();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(player.Image(), nullptr);
  EXPECT_EQ(player.Animator(), nullptr);
  Bitmap before = slide.surface.surface;
  player.GifTimerTimer();  // a tick already queued draws nothing
  EXPECT_EQ(slide.surface.surface.pixels, before.pixels);
}

TEST_F(GifPlayback, UnreadableFileLoadsNothing) {
  Load(SolidFrames({10, 20}, true));
  std::ofstream(player.GifFileName, std::ios::binary) << "not a GIF";
  EXPECT_FALSE(player.LoadGif());
  EXPECT_EQ(player.Image(), nullptr);
  player.AnimateGif();
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(GifPlayback, TransparentPixelsShowTheBase) {
  // Frame 0: red with a transparent column 0; frame 1 (kept, so red stays
  // under it): green only at (3, 2), the rest transparent.
  GifBuilder g(4, 3, {kColors[0], kColors[1], kColors[2], kColors[3]});
  std::vector<uint8_t> first(12, 0), second(12, 3);
  for (int y = 0; y < 3; ++y) first[y * 4] = 3;
  second[2 * 4 + 3] = 1;
  Load(g.Loop().Control(1, 10, 3).Image(0, 0, 4, 3, first).Control(1, 10, 3).Image(0, 0, 4, 3, second).Trailer().bytes);
  player.AnimateGif();
  for (int k = 0; k < 2; ++k) {
    Watch(timer.now + 100);
    const Bitmap& s = slide.surface.surface;
    for (int32_t y = 0; y < 6; ++y)
      for (int32_t x = 0; x < 8; ++x) {
        bool inPicture = x >= 2 && x < 6 && y >= 1 && y < 4;
        uint32_t want = slide.base.At(x, y);
        if (inPicture && x > 2) want = 0xFFFF0000;
        if (k == 1 && x == 5 && y == 3) want = 0xFF00FF00;
        EXPECT_EQ(s.At(x, y), want) << "frame " << k << " at (" << x << ", " << y << ")";
      }
  }
}

}  // namespace
}  // namespace lw
