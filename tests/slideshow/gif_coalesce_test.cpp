// Our composed frames against ImageMagick's: every GIF here is written by
// `convert` at run time, and `convert X.gif -coalesce` gives the reference
// frames as raw RGBA.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "slideshow/gif_animator.h"
#include "slideshow/gif_image.h"

namespace lw {
namespace {

// The real ImageMagick; a `convert` earlier on the PATH may be something else.
constexpr const char* kConvert = "/usr/bin/convert";

class GifCoalesce : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(access(kConvert, X_OK), 0) << "ImageMagick is missing: run scripts/install-deps";
    char tmpl[] = "/tmp/lw-gif-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  // Runs convert with `args`, in which every "OUT" names a file of the temp dir.
  void Convert(const std::string& args) {
    std::string cmd = std::string(kConvert) + " " + args + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(("cd " + dir_ + " && " + cmd).c_str()), 0) << cmd;
  }

  static std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Compares every frame of our composition with ImageMagick's coalesced
  // frames. Transparent pixels must be 0 on our side; ImageMagick leaves
  // arbitrary colours under alpha 0, so only the alpha is compared there.
  void ExpectSameFrames(const std::string& gif) {
    GifImage img;
    std::string error;
    ASSERT_TRUE(ReadGif(ReadAll(Path(gif)), img, &error)) << error;
    Convert(gif + " -coalesce -depth 8 RGBA:frames.rgba");
    std::vector<uint8_t> ref = ReadAll(Path("frames.rgba"));
    const size_t frameBytes = static_cast<size_t>(img.width) * img.height * 4;
    ASSERT_EQ(ref.size(), frameBytes * img.frames.size()) << "frame count or screen size differs";

    GifAnimator anim(std::make_shared<GifImage>(img));
    for (size_t k = 0; k < img.frames.size(); ++k) {
      const Bitmap& ours = anim.Render(k);
      int bad = 0;
      for (int32_t y = 0; y < img.height; ++y)
        for (int32_t x = 0; x < img.width; ++x) {
          const uint8_t* p = &ref[k * frameBytes + (static_cast<size_t>(y) * img.width + x) * 4];
          uint32_t want = p[3] == 0 ? 0 : (uint32_t{p[3]} << 24) | (uint32_t{p[0]} << 16) | (p[1] << 8) | p[2];
          uint32_t got = ours.At(x, y);
          if (got != want && bad++ < 5)
            ADD_FAILURE() << gif << " frame " << k << " at (" << x << ", " << y << "): ours " << std::hex << got
                          << ", ImageMagick " << want;
        }
      EXPECT_EQ(bad, 0) << gif << " frame " << k;
    }
  }

  GifImage Read(const std::string& gif) {
    GifImage img;
    EXPECT_TRUE(ReadGif(ReadAll(Path(gif)), img));
    return img;
  }

  std::string dir_;
};

struct MagickCase {
  const char* name;
  const char* args;                           // convert arguments that write OUT.gif
  std::function<bool(const GifImage&)> uses;  // the feature is really in the file
};

bool AnyFrame(const GifImage& g, const std::function<bool(const GifFrame&)>& p) {
  for (const GifFrame& f : g.frames)
    if (p(f)) return true;
  return false;
}

bool HasDisposal(const GifImage& g, GifDisposal d) {
  return AnyFrame(g, [d](const GifFrame& f) { return f.disposal == d; });
}

// Frames of different sizes and places over a full first frame, the last one
// partly transparent.
#define LW_LAYERS                                                                    \
  "-size 16x12 xc:navy \\( -size 6x4 xc:yellow -repage +3+2 \\) "                        \
  "\\( -size 7x6 xc:none -fill lime -draw \"rectangle 1,1 4,3\" -repage +8+5 \\) "       \
  "\\( -size 4x4 xc:red -repage +1+7 \\) -set delay 5 -loop 0 "

TEST_F(GifCoalesce, ComposedFramesEqualImageMagicks) {
  const MagickCase cases[] = {
      {"transparency",
       "-size 12x10 xc:none -fill red -draw \"rectangle 2,2 7,6\" "
       "\\( -size 12x10 xc:none -fill blue -draw \"circle 6,5 9,5\" \\) "
       "\\( -size 5x4 xc:none -fill white -draw \"point 1,1\" -repage +6+5 \\) -set dispose None OUT.gif",
       [](const GifImage& g) { return AnyFrame(g, [](const GifFrame& f) { return f.transparentIndex >= 0; }); }},
      {"dispose-undefined", LW_LAYERS "-set dispose Undefined OUT.gif",
       [](const GifImage& g) { return g.frames.size() == 4; }},
      {"dispose-none", LW_LAYERS "-set dispose None OUT.gif",
       [](const GifImage& g) { return g.frames.size() == 4; }},
      {"dispose-background", LW_LAYERS "-set dispose Background OUT.gif",
       [](const GifImage& g) { return HasDisposal(g, GifDisposal::kBackground); }},
      {"dispose-previous", LW_LAYERS "-set dispose Previous OUT.gif",
       [](const GifImage& g) { return HasDisposal(g, GifDisposal::kPrevious); }},
      {"dispose-mixed",
       "-size 16x12 xc:navy -dispose Previous \\( -size 6x4 xc:yellow -repage +3+2 \\) "
       "-dispose Background \\( -size 5x5 xc:red -repage +8+4 \\) -dispose Previous \\( -size 4x4 xc:lime -repage +6+3 \\) "
       "-dispose None \\( -size 3x3 xc:white -repage +12+1 \\) \\( -size 2x2 xc:black -repage +0+0 \\) OUT.gif",
       [](const GifImage& g) {
         return HasDisposal(g, GifDisposal::kPrevious) && HasDisposal(g, GifDisposal::kBackground);
       }},
      {"first-frame-smaller-than-screen",
       "-size 6x4 xc:blue -repage 14x9+5+3 \\( -size 3x2 xc:red -repage +0+0 \\) -set dispose None OUT.gif",
       [](const GifImage& g) { return g.frames[0].rect.left == 5; }},
      {"first-frame-transparent-and-small",
       "-size 6x4 xc:blue -fill none -draw \"color 0,0 point\" -repage 14x9+5+3 "
       "\\( -size 3x2 xc:red -repage +0+0 \\) -set dispose None OUT.gif",
       [](const GifImage& g) { return g.frames[0].transparentIndex >= 0; }},
      {"interlaced",
       "-size 23x19 gradient:red-blue \\( -size 23x19 gradient:yellow-black -rotate 90 \\) "
       "\\( -size 9x3 gradient:white-green -repage +4+5 \\) -interlace GIF OUT.gif",
       [](const GifImage& g) { return AnyFrame(g, [](const GifFrame& f) { return f.interlaced; }); }},
      {"local-palettes",
       "-size 10x8 xc:red \\( -size 10x8 xc:green \\) \\( -size 10x8 gradient:white-black \\) "
       "\\( -size 4x3 xc:orange -repage +2+2 \\) OUT.gif",
       [](const GifImage& g) {
         return AnyFrame(g, [&](const GifFrame& f) { return f.paletteOffset != g.frames[0].paletteOffset; });
       }},
      {"full-code-table",
       "-seed 7 -size 120x90 xc: +noise Random -colors 256 \\( -size 120x90 gradient:red-blue -swirl 200 \\) OUT.gif",
       [](const GifImage& g) { return g.frames[0].paletteEntries == 256; }},
      {"gif87a", "-size 9x7 gradient:black-white GIF87:OUT.gif",
       [](const GifImage& g) { return std::string(g.data.begin(), g.data.begin() + 6) == "GIF87a"; }},
  };
  for (const MagickCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string gif = std::string(c.name) + ".gif";
    std::string args = c.args;
    args.replace(args.find("OUT.gif"), 7, gif);
    Convert(args);
    EXPECT_TRUE(c.uses(Read(gif))) << "the file does not exercise " << c.name;
    ExpectSameFrames(gif);
  }
}

TEST_F(GifCoalesce, RenderingBackwardsStartsOver) {
  Convert(LW_LAYERS "-set dispose Previous OUT.gif");
  GifImage img = Read("OUT.gif");
  GifAnimator forward(std::make_shared<GifImage>(img));
  std::vector<Bitmap> inOrder;
  for (size_t k = 0; k < img.frames.size(); ++k) inOrder.push_back(forward.Render(k));
  GifAnimator jumping(std::make_shared<GifImage>(img));
  for (size_t k : {3, 1, 1, 0, 2, 3, 2})
    EXPECT_EQ(jumping.Render(k).pixels, inOrder[k].pixels) << "frame " << k;
}

TEST_F(GifCoalesce, DelaysAndLoopFlagAsWritten) {
  Convert("-size 4x4 -delay 10 xc:red -delay 20 xc:green -delay 30 xc:blue -loop 0 three.gif");
  GifImage img = Read("three.gif");
  ASSERT_EQ(img.frames.size(), 3u);
  EXPECT_EQ(img.frames[0].delayMs, 100u);
  EXPECT_EQ(img.frames[1].delayMs, 200u);
  EXPECT_EQ(img.frames[2].delayMs, 300u);
  EXPECT_TRUE(img.loops);

  Convert("-size 4x4 -delay 7 xc:red xc:green -loop 3 counted.gif");
  img = Read("counted.gif");
  EXPECT_EQ(img.frames[1].delayMs, 70u);
  EXPECT_TRUE(img.loops);

  // Without the loop block the animation plays once.
  std::vector<uint8_t> bytes = ReadAll(Path("three.gif"));
  const std::string tag = "NETSCAPE2.0";
  auto at = std::search(bytes.begin(), bytes.end(), tag.begin(), tag.end());
  ASSERT_NE(at, bytes.end());
  bytes.erase(at - 3, at + 11 + 5);  // 21 FF 0B, the name, 03 01 count 00
  ASSERT_TRUE(ReadGif(bytes, img));
  EXPECT_FALSE(img.loops);
  EXPECT_EQ(img.frames.size(), 3u);
}

TEST_F(GifCoalesce, LongDelaysKeepTheirLength) {
  // 6554 hundredths are 65 540 ms; a 16-bit millisecond field would wrap to 4.
  Convert("-size 2x2 -delay 6554 xc:red -delay 65535 xc:blue long.gif");
  GifImage img = Read("long.gif");
  ASSERT_EQ(img.frames.size(), 2u);
  EXPECT_EQ(img.frames[0].delayMs, 65540u);
  EXPECT_EQ(img.frames[1].delayMs, 655350u);
}

}  // namespace
}  // namespace lw
