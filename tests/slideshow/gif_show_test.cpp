// A GIF item through the slide show with the real GIF player: the first frame
// comes in through the transition, the animation follows on the GIF timer.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "slideshow/gif_player.h"
#include "slideshow/gif_show_slide.h"
#include "tests/slideshow/gif_builder.h"
#include "tests/slideshow/show_fakes.h"

namespace lw {
namespace {

using test::GifBuilder;

// Member files written for real, so that the player can read them.
class DiskFiles : public test::FakeFiles {
 public:
  DiskFiles() {
    char tmpl[] = "/tmp/lw-gifshow-XXXXXX";
    if (mkdtemp(tmpl)) dir = std::string(tmpl) + "/";
  }
  ~DiskFiles() override { std::filesystem::remove_all(dir); }
  std::string TempFolder() override { return dir; }
  void Extract(const MemberRef& m, const std::string& path) override {
    FakeFiles::Extract(m, path);
    const std::vector<uint8_t>& bytes = members[m.position];
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  std::string dir;
  std::map<int64_t, std::vector<uint8_t>> members;
};

// A GIF timer on a virtual clock (a tick per Advance at most).
class ClockTimer : public Timer {
 public:
  void SetEnabled(bool e) override {
    if (e && !enabled_) due_ = now + interval_;
    enabled_ = e;
  }
  bool Enabled() const override { return enabled_; }
  void SetInterval(uint32_t ms) override {
    interval_ = ms;
    due_ = now + ms;
  }
  uint32_t Interval() const override { return interval_; }
  void Advance(uint64_t ms) {
    const uint64_t until = now + ms;
    while (enabled_ && due_ <= until) {
      now = due_;
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

constexpr int32_t W = 64, H = 48;
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// 4 x 4 frames of red, green and blue in turn, each with its top row
// transparent (index 3), looping, 100 ms each.
std::vector<uint8_t> ThreeColours() {
  GifBuilder g(4, 4, {kRed, kGreen, kBlue, kWhite});
  g.Loop();
  for (uint8_t k = 0; k < 3; ++k) {
    std::vector<uint8_t> px(16, k);
    for (int x = 0; x < 4; ++x) px[x] = 3;
    g.Control(1, 10, 3).Image(0, 0, 4, 4, px);
  }
  return g.Trailer().bytes;
}

class GifShow : public ::testing::Test {
 protected:
  GifShow() : pictures(files), screen(W, H) {
    header.Seconds = 5;
    header.EffectSpeed = 4;
    header.GradientStyle = 2;
    header.BackColor = 0x00FF00;   // green
    header.BackColor2 = 0xFF0000;  // blue
    header.Stretch = 2;             // natural size, centred: (30, 22, 34, 26)
    AbortRequested = 0;
    TransitionRunning = 0;
    ItemRecord item = test::MakeItem(".GIF", 1000);
    items.push_back(item);
    items.push_back(test::MakeItem(".png", 2000));
    pictures.byPosition[2000] = Bitmap(8, 8, 0xFF808080u);
    files.members[1000] = ThreeColours();
  }
  ~GifShow() override { AbortRequested = 0; }

  SlideShow& Show() {
    if (!show) {
      show = std::make_unique<SlideShow>(ShowData{header, effect, items, masks, layout},
                                         SlideShowPorts{slideTimer, pictures, text, files, screen, video,
                                                        transitions, player, host});
      show->PrepareBackground(W, H);
      gifSlide.show = show.get();
    }
    return *show;
  }

  // Loads the GIF item through a transition and lets the transition end.
  void EnterGifSlide() {
    Show().LoadImage(0, false);
    ASSERT_EQ(transitions.calls.size(), 1u);
    transitions.Finish();
  }

  const Bitmap& OnScreen() { return screen.main.canvas.surface; }

  PackageHeader header;
  std::string effect = "\x05";
  std::vector<ItemRecord> items;
  std::vector<MaskRecord> masks;
  PackageLayout layout;
  test::FakeTimer slideTimer;
  DiskFiles files;
  test::FakePictures pictures;
  test::FakeText text;
  test::FakeScreen screen;
  test::FakeVideo video;
  test::FakeTransitions transitions;
  test::FakeHost host;
  ClockTimer gifTimer;
  ShowGifSlide gifSlide;
  GifPlayer player{gifTimer, gifSlide};
  std::unique_ptr<SlideShow> show;
};

TEST_F(GifShow, EveryFrameShowsTheGradientThroughItsTransparentPixels) {
  EnterGifSlide();
  const Bitmap& background = Show().BackgroundBitmap;
  ASSERT_NE(background.At(30, 22), 0xFF000000u);
  const uint32_t colours[] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFF0000u};
  // The transition brings frame 0; the ticks at 1, 101, 201, 301 ms draw
  // frames 0, 1, 2, 0.
  EXPECT_EQ(OnScreen().At(31, 24), colours[0]);
  for (uint32_t colour : colours) {
    gifTimer.Advance(gifTimer.now == 0 ? 1 : 100);
    for (int32_t x = 30; x < 34; ++x) {
      EXPECT_EQ(OnScreen().At(x, 22), background.At(x, 22)) << "transparent top row at x = " << x;
      for (int32_t y = 23; y < 26; ++y) EXPECT_EQ(OnScreen().At(x, y), colour) << x << ", " << y;
    }
    EXPECT_EQ(OnScreen().At(29, 24), background.At(29, 24));  // beside the picture
  }
}

TEST_F(GifShow, FiltersChangeOnlyTheFirstFrame) {
  items[0].Filters = 4;  // grey
  EnterGifSlide();
  const uint32_t grey = OnScreen().At(31, 24);
  EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF);
  EXPECT_NE(grey, 0xFFFF0000u);
  gifTimer.Advance(1);
  EXPECT_EQ(OnScreen().At(31, 24), 0xFFFF0000u);  // frame 0 again, in its own colours
}

TEST_F(GifShow, TheNextSlideStopsTheAnimation) {
  EnterGifSlide();
  gifTimer.Advance(150);
  ASSERT_TRUE(gifTimer.Enabled());
  Show().TimerTimer();
  EXPECT_FALSE(gifTimer.Enabled());
  EXPECT_EQ(player.Image(), nullptr);
}

TEST_F(GifShow, AnUnreadableGifLeavesThePreviousSlide) {
  files.members[1000] = {'G', 'I', 'F', '8', '9', 'a'};
  Show().LoadImage(0, false);
  EXPECT_TRUE(transitions.calls.empty());
  EXPECT_EQ(player.Image(), nullptr);
}

}  // namespace
}  // namespace lw
