#include "slideshow/slide_gif_playback.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gif_builder.h"
#include "show_fakes.h"
#include "slideshow/gradient.h"

namespace lw::test {
namespace {

constexpr uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u;

// A 4 x 4 looping GIF: frame 0 red with a transparent top row, frame 1 green.
std::vector<uint8_t> TwoFrameGif() {
  GifBuilder g(4, 4, {0xFF0000, 0x00FF00, 0x0000FF, 0x000000});
  g.Loop();
  std::vector<uint8_t> first(16, 0);
  for (int x = 0; x < 4; ++x) first[static_cast<size_t>(x)] = 3;
  g.Control(1, 10, 3).Image(0, 0, 4, 4, first);
  g.Control(1, 10).Image(0, 0, 4, 4, std::vector<uint8_t>(16, 1));
  g.Trailer();
  return g.bytes;
}

class GifShow : public ShowFixture {
 public:
  GifShow() : playback(gifTimer, header.BackColor) {
    header.Stretch = 1;
    header.GradientStyle = 2;
    header.BackColor = RGBValue(0, 0, 0);
    header.BackColor2 = RGBValue(0, 0, 255);
    // A folder per test: tests may run side by side.
    folder = std::filesystem::path(::testing::TempDir()) /
             (std::string("lw_gif_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    files.folder = folder.string() + "/";
    path = files.folder + "SSIMG.gif";
    const std::vector<uint8_t> bytes = TwoFrameGif();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    items.push_back(MakeItem(".gif", 1000));
    gifPort = &playback;
    playback.Attach(Show());
  }
  ~GifShow() { std::filesystem::remove_all(folder); }

  const Bitmap& OnScreen() { return screen.main.canvas.surface; }
  Bitmap Gradient() {
    Bitmap b(64, 48);
    PaintGradient(b, 2, RGBValue(0, 0, 0), RGBValue(0, 0, 255), b.BoundsRect());
    return b;
  }

  FakeTimer gifTimer;
  SlideGifPlayback playback;
  std::filesystem::path folder;
  std::string path;
};

TEST(SlideGifPlayback, TransparentGifOverTheGradientThenItsFrames) {
  GifShow f;
  f.Show().StartShow();
  const Bitmap gradient = f.Gradient();
  // First frame, at once: the gradient through the transparent top row.
  EXPECT_EQ(f.OnScreen().At(40, 2), gradient.At(40, 2));
  EXPECT_EQ(f.OnScreen().At(40, 40), kRed);
  EXPECT_TRUE(f.gifTimer.enabled);
  EXPECT_EQ(f.gifTimer.interval, 1u);

  f.gifTimer.Fire();  // frame 0 again, over the base
  EXPECT_EQ(f.OnScreen().At(40, 2), gradient.At(40, 2));
  EXPECT_EQ(f.OnScreen().At(40, 40), kRed);
  f.gifTimer.Fire();
  EXPECT_EQ(f.OnScreen().At(40, 2), kGreen);
  EXPECT_EQ(f.OnScreen().At(40, 40), kGreen);
  // The control keeps the animation's frame for its repaints.
  EXPECT_EQ(f.screen.main.stored.At(40, 40), kGreen);
}

TEST(SlideGifPlayback, FiltersChangeOnlyTheFirstFrame) {
  GifShow f;
  f.items[0].Filters = 4;
  f.Show().StartShow();
  EXPECT_EQ(f.OnScreen().At(40, 40), 0xFF1A1A1Au);  // red in grey
  f.gifTimer.Fire();
  EXPECT_EQ(f.OnScreen().At(40, 40), kRed);
}

TEST(SlideGifPlayback, NextSlideStopsTheAnimation) {
  GifShow f;
  f.AddPicture(".jpg", 4, 4, kGreen);
  f.Show().StartShow();
  EXPECT_TRUE(f.gifTimer.enabled);
  f.timer.Fire();
  EXPECT_FALSE(f.gifTimer.enabled);
  EXPECT_EQ(f.playback.Player().Image(), nullptr);
}

TEST(SlideGifPlayback, UnreadableGifFailsTheLoad) {
  GifShow f;
  std::ofstream(f.path, std::ios::binary) << "GIF89a broken";
  f.Show().StartShow();
  EXPECT_TRUE(f.Show().FirstSlide);
  EXPECT_FALSE(f.gifTimer.enabled);
}

}  // namespace
}  // namespace lw::test
