#include <gtest/gtest.h>

#include <set>

#include "common/random.h"
#include "show_fakes.h"
#include "slideshow/gradient.h"
#include "transitions/step_count.h"

namespace lw::test {
namespace {

constexpr uint32_t kPicture = 0xFF00C000u;

// A show on a 1024 x 768 screen whose background is one flat colour.
class LoaderFixture : public ShowFixture {
 public:
  explicit LoaderFixture(int32_t W = 1024, int32_t H = 768) : ShowFixture(W, H) {
    header.BackColor = header.BackColor2 = RGBValue(0, 0, 90);
  }
  static constexpr uint32_t kGround = 0xFF00005Au;
  // Loads an item as a later slide (with a transition) and gives the frame.
  const Bitmap& Load(int32_t index) {
    Show().FirstSlide = false;
    transitions.calls.clear();
    Show().LoadImage(index, false);
    return transitions.calls.empty() ? empty_ : transitions.calls.back().frame;
  }

 private:
  Bitmap empty_;
};

TEST(LoadImage, FitModeOnTheFrame) {
  LoaderFixture f;
  f.AddPicture(".jpg", 1000, 500, kPicture);
  const Bitmap& frame = f.Load(0);
  EXPECT_EQ(f.Show().SlideRect, (Rect{0, 128, 1024, 640}));
  ASSERT_EQ(frame.width, 1024);
  EXPECT_EQ(frame.At(512, 127), LoaderFixture::kGround);
  EXPECT_EQ(frame.At(512, 128), kPicture);
  EXPECT_EQ(frame.At(1023, 639), kPicture);
  EXPECT_EQ(frame.At(512, 640), LoaderFixture::kGround);
  EXPECT_EQ(f.Show().ShownIndex, 0);
  EXPECT_EQ(f.Show().LastLoadedIndex, 0);
  // Kept for later repaints without being shown yet; the transition shows it.
  EXPECT_EQ(f.screen.main.stored.pixels, frame.pixels);
  EXPECT_EQ(f.screen.main.canvas.surface.At(512, 300), 0xFF000000u);
  EXPECT_EQ(f.files.deleted, (std::vector<std::string>{"/tmp/lw/SSIMG.jpg"}));
}

TEST(LoadImage, ItemSizeModeOverridesTheSetting) {
  LoaderFixture f;
  f.header.Stretch = 1;
  f.AddPicture(".png", 100, 50, kPicture);
  f.AddPicture(".png", 100, 50, kPicture);
  f.items[1].SizeMode = 2;
  f.Load(0);
  EXPECT_EQ(f.Show().SlideRect, (Rect{0, 0, 1024, 768}));
  f.Load(1);
  EXPECT_EQ(f.Show().SlideRect, (Rect{462, 359, 562, 409}));
}

TEST(LoadImage, StillPicturesAreOpaqueButGifTransparencyShowsTheGradient) {
  LoaderFixture f;
  f.header.GradientStyle = 2;
  f.header.BackColor = RGBValue(0, 0, 0);
  f.header.BackColor2 = RGBValue(0, 0, 255);
  f.header.Stretch = 1;
  Bitmap picture(4, 4, kPicture);
  for (int32_t x = 0; x < 4; ++x) picture.At(x, 0) = 0;  // top row transparent
  f.AddPicture(".png", 4, 4, 0);
  f.pictures.byPosition[1000] = picture;
  f.items.push_back(MakeItem(".GIF", 1100));
  f.gif.frame = picture;

  const Bitmap still = f.Load(0);
  EXPECT_EQ(still.At(700, 10), 0xFF000000u);

  const Bitmap gif = f.Load(1);
  Bitmap gradient(1024, 768);
  PaintGradient(gradient, 2, RGBValue(0, 0, 0), RGBValue(0, 0, 255), gradient.BoundsRect());
  EXPECT_EQ(gif.At(700, 10), gradient.At(700, 10));
  EXPECT_EQ(gif.At(700, 700), kPicture);
  EXPECT_EQ(f.gif.Count("load /tmp/lw/SSIMG.GIF"), 1);
  // The GIF's base holds background (and logo and caption) for later frames.
  EXPECT_EQ(f.Show().GifBase.pixels, f.Show().BackgroundBitmap.pixels);
  EXPECT_EQ(f.Show().ShowSurface, &f.screen.main);
}

TEST(LoadImage, GifTransparencyUnderAMaskShowsBlackWeightedByIt) {
  LoaderFixture f;
  f.header.Stretch = 1;
  f.items.push_back(MakeItem(".gif", 1100));
  f.items[0].MaskIndex = 0;
  f.gif.frame = Bitmap(4, 4, 0);
  MaskRecord m;
  m.Offset = 5000;
  m.Format = 1;
  f.masks.push_back(m);
  f.pictures.byPosition[5000] = Bitmap(2, 2, 0xFFFFFFFFu);
  const Bitmap frame = f.Load(0);
  EXPECT_EQ(frame.At(500, 400), 0xFF000000u);
}

TEST(LoadImage, FiltersAndMaskApplyToThePicture) {
  LoaderFixture f;
  f.header.Stretch = 1;
  Bitmap picture(2, 1);
  picture.At(0, 0) = 0xFFFF0000u;  // red: grey 26
  picture.At(1, 0) = 0xFF00FF00u;  // green: grey 153
  f.AddPicture(".bmp", 2, 1, 0);
  f.pictures.byPosition[1000] = picture;
  f.items[0].Filters = 7;
  f.Load(0);
  ASSERT_TRUE(f.Show().SlidePicture);
  EXPECT_EQ(f.Show().SlidePicture->At(0, 0), 0xFF999999u);
  EXPECT_EQ(f.Show().SlidePicture->At(1, 0), 0xFF1A1A1Au);

  // A mask of another size is stretched to the picture's rectangle.
  MaskRecord m;
  m.Offset = 5000;
  f.masks.push_back(m);
  Bitmap mask(2, 1, 0xFF000000u);
  mask.At(1, 0) = 0xFFFFFFFFu;
  f.pictures.byPosition[5000] = mask;
  f.items[0].MaskIndex = 0;
  const Bitmap frame = f.Load(0);
  EXPECT_EQ(frame.At(10, 400), LoaderFixture::kGround);
  EXPECT_EQ(frame.At(1010, 400), 0xFF1A1A1Au);
  EXPECT_EQ(f.files.files.count("/tmp/lw/SSMASK.bmp"), 0u);  // read and deleted
}

TEST(LoadImage, UnreadableMaskHidesThePictureAndUnknownMaskIndexIsNoMask) {
  LoaderFixture f;
  f.header.Stretch = 1;
  f.AddPicture(".jpg", 10, 10, kPicture);
  f.masks.push_back(MaskRecord{});  // its member is no picture
  f.items[0].MaskIndex = 0;
  EXPECT_EQ(f.Load(0).At(500, 400), LoaderFixture::kGround);
  f.items[0].MaskIndex = 1;
  EXPECT_EQ(f.Load(0).At(500, 400), kPicture);
  EXPECT_FALSE(f.Show().SlideMask);
}

TEST(LoadImage, EffectAndSpeedFromTheItemOnlyWithItsOwnSpeed) {
  LoaderFixture f;
  f.effect = "\x07";
  f.header.EffectSpeed = 4;
  f.AddPicture(".jpg", 10, 10, kPicture);
  f.items[0].Effect = "\x09";
  f.Load(0);
  ASSERT_EQ(f.transitions.calls.size(), 1u);
  EXPECT_EQ(f.transitions.calls[0].effect, 7);
  EXPECT_EQ(f.transitions.calls[0].steps, 256);
  EXPECT_EQ(f.transitions.calls[0].target, &f.screen.main.canvas);

  f.items[0].EffectSpeed = 3;
  f.Load(0);
  EXPECT_EQ(f.transitions.calls[0].effect, 9);
  EXPECT_EQ(f.transitions.calls[0].steps, SlideStepCount(3, 1024));

  f.items[0].Effect = "";
  f.Load(0);
  EXPECT_EQ(f.transitions.calls[0].effect, 0);
}

TEST(LoadImage, NoTransitionStartsTheAnimationAtOnce) {
  LoaderFixture f;
  f.effect = "";
  f.AddPicture(".jpg", 10, 10, kPicture);
  f.Load(0);
  EXPECT_EQ(f.gif.log.back(), "animate");
  EXPECT_EQ(f.screen.main.canvas.surface.At(500, 400), kPicture);
}

TEST(LoadImage, LogoAndCaptionGoOnTheFrameAndOnTheGifBase) {
  LoaderFixture f;
  f.Show().LogoBitmap = Bitmap(20, 10, 0xFFFF00FFu);
  f.header.LogoAnchor = 0;
  f.items.push_back(MakeItem(".gif", 1100));
  f.items[0].Caption = "hello";
  f.items[0].CaptionAnchor = 4;
  f.items[0].CaptionBackColor = RGBValue(255, 255, 255);
  f.gif.frame = Bitmap(2, 2, kPicture);
  f.header.Stretch = 2;
  const Bitmap frame = f.Load(0);
  EXPECT_EQ(frame.At(5, 5), 0xFFFF00FFu);
  EXPECT_EQ(f.Show().GifBase.At(5, 5), 0xFFFF00FFu);
  EXPECT_EQ(frame.At(1020, 765), 0xFFFFFFFFu);  // the caption's box
  EXPECT_EQ(f.Show().GifBase.At(1020, 765), 0xFFFFFFFFu);
  EXPECT_EQ(frame.At(512, 384), kPicture);
  EXPECT_EQ(f.text.calls.size(), 2u);  // once on the base, once on the frame
}

TEST(LoadImage, SlideSoundUnlessMuted) {
  LoaderFixture f;
  f.AddPicture(".jpg", 10, 10, kPicture);
  f.items[0].SoundIndex = 2;
  f.Load(0);
  EXPECT_EQ(f.host.log, (std::vector<std::string>{"sound 2"}));
  f.header.Mute = 1;
  f.Load(0);
  EXPECT_EQ(f.host.log.size(), 1u);
}

TEST(LoadImage, UnreadablePictureLeavesEverythingAsItWas) {
  LoaderFixture f;
  f.items.push_back(MakeItem(".swf", 1000));
  f.Show().FirstSlide = true;
  f.Show().LoadImage(0, false);
  EXPECT_TRUE(f.Show().FirstSlide);
  EXPECT_TRUE(f.transitions.calls.empty());
  EXPECT_EQ(f.screen.main.stores, 0);
  EXPECT_TRUE(f.files.deleted.empty());  // the temporary file stays
  EXPECT_EQ(f.Show().LastLoadedIndex, 0);
}

TEST(LoadImage, ReadFailureAfterAHeldSlideReleasesIt) {
  LoaderFixture f;
  f.AddPicture(".jpg", 10, 10, kPicture);
  f.items.push_back(MakeItem(".jpg", 9999));
  f.Load(0);
  ASSERT_TRUE(f.Show().SlideHeld);
  f.Load(1);
  EXPECT_FALSE(f.Show().SlideHeld);
  EXPECT_FALSE(f.Show().SlidePicture);
}

TEST(LoadImage, VideoPlaysInThePanelWithTheTimerOff) {
  LoaderFixture f;
  f.Show().LogoBitmap = Bitmap(20, 10, 0xFFFF00FFu);
  f.items.push_back(MakeItem(".Mpeg", 1000));
  f.header.Stretch = 2;
  f.header.MuteVideos = 1;
  f.header.DesktopStart = 1;
  f.timer.enabled = true;
  f.Show().LoadImage(0, false);
  EXPECT_EQ(f.video.opened, "/tmp/lw/SSIMG.Mpeg");
  EXPECT_EQ(f.video.panel, (PanelPlacement{352, 264, 321, 241}));
  EXPECT_TRUE(f.video.silenced);
  EXPECT_TRUE(f.video.played);
  EXPECT_FALSE(f.timer.enabled);
  EXPECT_TRUE(f.Show().VideoPlaying);
  EXPECT_EQ(f.Show().ShownIndex, -1);
  EXPECT_EQ(f.Show().LastLoadedIndex, 0);
  EXPECT_EQ(f.header.DesktopStart, 0);
  EXPECT_TRUE(f.files.deleted.empty());
  // Background and logo show around the video at once.
  EXPECT_EQ(f.screen.main.canvas.surface.At(5, 5), 0xFFFF00FFu);
  EXPECT_EQ(f.screen.main.canvas.surface.At(500, 500), LoaderFixture::kGround);
  EXPECT_TRUE(f.transitions.calls.empty());
}

TEST(LoadImage, VideoThatCannotOpenChangesNoState) {
  LoaderFixture f;
  f.items.push_back(MakeItem(".avi", 1000));
  f.video.openOk = false;
  f.Show().FirstSlide = true;
  f.Show().LoadImage(0, false);
  EXPECT_FALSE(f.Show().VideoPlaying);
  EXPECT_TRUE(f.Show().FirstSlide);
  EXPECT_FALSE(f.video.played);
}

TEST(LoadImage, TwoMonitorsTakeTurnsAndTheFirstSlideGoesToBoth) {
  LoaderFixture f;
  f.host.dual = true;
  f.screen.hasSecond = true;
  f.AddPicture(".jpg", 10, 10, kPicture);
  SlideShow& show = f.Show();
  show.FirstSlide = true;
  show.LoadImage(0, false);
  EXPECT_EQ(f.screen.main.canvas.surface.At(500, 400), kPicture);
  EXPECT_EQ(f.screen.second.canvas.surface.At(500, 400), kPicture);
  EXPECT_EQ(show.ShowSurface, &f.screen.main);

  show.LoadImage(0, false);
  EXPECT_EQ(f.transitions.calls.back().target, &f.screen.second.canvas);
  EXPECT_EQ(show.ShowSurface, &f.screen.second);
  show.LoadImage(0, false);
  EXPECT_EQ(f.transitions.calls.back().target, &f.screen.main.canvas);
}

TEST(LoadImage, RepaintingTheBackgroundDrawsNewColoursAndStyles) {
  LoaderFixture f(160, 120);
  f.header.RepaintBackground = 1;
  f.header.RandomColors = 1;
  f.header.RandomGradient = 1;
  f.AddPicture(".jpg", 10, 10, kPicture);
  SetRandSeed(5);
  std::set<int32_t> styles;
  for (int i = 0; i < 20; ++i) {
    const ColorValue before = f.header.BackColor;
    f.Load(0);
    EXPECT_NE(f.header.BackColor, before);
    EXPECT_GE(f.header.GradientStyle, 1);
    EXPECT_LE(f.header.GradientStyle, 8);
    styles.insert(f.header.GradientStyle);
  }
  EXPECT_GT(styles.size(), 4u);
  Bitmap expected(160, 120);
  PaintGradient(expected, f.header.GradientStyle, f.header.BackColor, f.header.BackColor2, expected.BoundsRect());
  EXPECT_EQ(f.Show().BackgroundBitmap.pixels, expected.pixels);
}

TEST(LoadImage, DesktopBackgroundIsNeverRepainted) {
  LoaderFixture f;
  f.header.DesktopBackground = 1;
  f.header.RepaintBackground = 1;
  f.AddPicture(".jpg", 10, 10, kPicture);
  f.Load(0);
  EXPECT_EQ(f.Show().BackgroundBitmap.At(0, 0), f.screen.desktop.At(0, 0));
}

TEST(PrepareBackground, PictureOverTheGradientAndItsFailure) {
  LoaderFixture f;
  f.header.BackgroundStoredSize = 10;
  f.header.BackgroundExt = MakeExt5(".png");
  f.header.BackgroundMode = 2;
  EXPECT_FALSE(f.Show().PrepareBackground(1024, 768));
  const int64_t position = BackgroundMember(f.layout, f.header).position;
  f.pictures.byPosition[position] = Bitmap(10, 10, kPicture);
  EXPECT_TRUE(f.Show().PrepareBackground(1024, 768));
  EXPECT_EQ(f.Show().BackgroundBitmap.At(512, 384), kPicture);
  EXPECT_EQ(f.Show().BackgroundBitmap.At(0, 0), LoaderFixture::kGround);
  ASSERT_TRUE(f.Show().BackgroundPicture);
  EXPECT_EQ(f.files.extracted.back(), "/tmp/lw/SSBG.png");
}

TEST(LoadLogo, ReadsOnceAndKeepsNothingOnFailure) {
  LoaderFixture f;
  f.header.LogoStoredSize = 10;
  f.header.LogoExt = MakeExt5(".bmp");
  f.header.LogoTransparentColor = RGBValue(0, 0, 0);
  f.Show().LoadLogo();
  EXPECT_FALSE(f.Show().LogoBitmap);
  Bitmap picture(4, 2, 0xFF000000u);
  picture.At(3, 1) = kPicture;
  f.pictures.byPosition[LogoMember(f.layout, f.header).position] = picture;
  f.Show().LoadLogo();
  ASSERT_TRUE(f.Show().LogoBitmap);
  EXPECT_EQ(f.Show().LogoBitmap->At(0, 0), 0u);
  EXPECT_EQ(f.Show().LogoBitmap->At(3, 1), kPicture);
  EXPECT_EQ(f.files.extracted.back(), "/tmp/lw/SSLG.bmp");
  EXPECT_TRUE(f.files.deleted.empty());  // the logo file stays
}

}  // namespace
}  // namespace lw::test
