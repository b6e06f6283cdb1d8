// Our composed frames against ImageMagick's. Every GIF compared here is
// written by `convert` at run time (its encoder, palettes, interlacing and
// disposal fields), and `convert X.gif -coalesce` gives the reference frames
// as raw RGBA. The frames it starts from are palette images of ours, which
// spares it a colour quantisation per file.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
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
#include "tests/slideshow/gif_builder.h"

namespace lw {
namespace {

using test::GifBuilder;

// The real ImageMagick; a `convert` earlier on the PATH may be something else.
constexpr const char* kConvert = "/usr/bin/convert";

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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

  void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(Path(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }

  // Runs convert with `args` inside the temp dir.
  void Convert(const std::string& args) {
    std::string cmd = std::string(kConvert) + " " + args + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(("cd " + dir_ + " && " + cmd).c_str()), 0) << cmd;
  }

  GifImage Read(const std::string& gif) {
    GifImage img;
    std::string error;
    EXPECT_TRUE(ReadGif(ReadAll(Path(gif)), img, &error)) << gif << ": " << error;
    return img;
  }

  // Compares every frame of our composition with ImageMagick's coalesced
  // frames. Transparent pixels must be 0 on our side; ImageMagick leaves
  // arbitrary colours under alpha 0, so only the alpha is compared there.
  void ExpectSameFrames(const std::string& gif) {
    GifImage img = Read(gif);
    ASSERT_FALSE(img.frames.empty());
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

  std::string dir_;
};

// Indices that vary with the place and the frame, so that a pixel drawn at
// the wrong spot or from the wrong frame shows.
std::vector<uint8_t> Pattern(int w, int h, int seed, int colors) {
  std::vector<uint8_t> v;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) v.push_back(static_cast<uint8_t>((x * 3 + y * 5 + seed) % colors));
  return v;
}

const GifBuilder::Palette kSixteen = {0x000080, 0xFFFF00, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x000000, 0x808080, 0x00FFFF,
                                      0xFF00FF, 0x804000, 0x408000, 0x004080, 0xC0C0C0, 0x400040, 0xFF8000, 0x0080FF};

// Frames of different sizes and places over a full first frame; the third
// has transparent pixels.
std::vector<uint8_t> Layers() {
  return GifBuilder(16, 12, kSixteen, 0)
      .Image(0, 0, 16, 12, Pattern(16, 12, 0, 16))
      .Image(3, 2, 6, 4, Pattern(6, 4, 1, 16))
      .Control(0, 0, 5)
      .Image(8, 5, 7, 6, Pattern(7, 6, 2, 8))
      .Image(1, 7, 4, 4, Pattern(4, 4, 3, 16))
      .Image(6, 3, 5, 5, Pattern(5, 5, 4, 16))
      .Trailer()
      .bytes;
}

struct MagickCase {
  const char* name;
  std::vector<uint8_t> source;                // frames ImageMagick starts from
  std::string args;                           // what it does before writing
  std::function<bool(const GifImage&)> uses;  // the feature is really in its file
};

bool AnyFrame(const GifImage& g, const std::function<bool(const GifFrame&)>& p) {
  return std::any_of(g.frames.begin(), g.frames.end(), p);
}

bool HasDisposal(const GifImage& g, GifDisposal d) {
  return AnyFrame(g, [d](const GifFrame& f) { return f.disposal == d; });
}

TEST_F(GifCoalesce, ComposedFramesEqualImageMagicks) {
  std::vector<uint8_t> noise(120 * 90);
  uint32_t seed = 7;
  for (uint8_t& v : noise) v = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
  GifBuilder::Palette all(256);
  for (uint32_t i = 0; i < 256; ++i) all[i] = i * 0x010305u;
  // One disposal per frame: each frame cloned with its own, the originals dropped.
  std::string mixed;
  const char* perFrame[] = {"Previous", "Background", "Previous", "None", "Background"};
  for (int k = 0; k < 5; ++k)
    mixed += "\\( -clone " + std::to_string(k) + " -set dispose " + perFrame[k] + " \\) ";
  mixed += "-delete 0-4";

  const MagickCase cases[] = {
      {"transparency",
       GifBuilder(12, 10, kSixteen, 4)
           .Control(0, 0, 0).Image(0, 0, 12, 10, Pattern(12, 10, 0, 4))
           .Control(0, 0, 2).Image(0, 0, 12, 10, Pattern(12, 10, 1, 6))
           .Control(0, 0, 3).Image(6, 5, 5, 4, Pattern(5, 4, 2, 5))
           .Trailer().bytes,
       "-set dispose None",
       [](const GifImage& g) { return g.frames[0].transparentIndex >= 0 && g.frames[1].transparentIndex >= 0; }},
      {"dispose-undefined", Layers(), "-set dispose Undefined", [](const GifImage& g) { return g.frames.size() == 5; }},
      {"dispose-none", Layers(), "-set dispose None", [](const GifImage& g) { return g.frames.size() == 5; }},
      {"dispose-background", Layers(), "-set dispose Background",
       [](const GifImage& g) { return HasDisposal(g, GifDisposal::kBackground); }},
      {"dispose-previous", Layers(), "-set dispose Previous",
       [](const GifImage& g) { return HasDisposal(g, GifDisposal::kPrevious); }},
      {"dispose-mixed", Layers(), mixed,
       [](const GifImage& g) {
         return g.frames.size() == 5 && g.frames[0].disposal == GifDisposal::kPrevious &&
                g.frames[1].disposal == GifDisposal::kBackground && g.frames[2].disposal == GifDisposal::kPrevious &&
                g.frames[4].disposal == GifDisposal::kBackground;
       }},
      {"first-frame-smaller-than-screen",
       GifBuilder(14, 9, kSixteen, 7)
           .Image(5, 3, 6, 4, Pattern(6, 4, 0, 16)).Image(0, 0, 3, 2, Pattern(3, 2, 1, 16))
           .Trailer().bytes,
       "-set dispose None", [](const GifImage& g) { return g.frames[0].rect.left == 5; }},
      {"first-frame-transparent-and-small",
       GifBuilder(14, 9, kSixteen, 7)
           .Control(0, 0, 1).Image(5, 3, 6, 4, Pattern(6, 4, 0, 16)).Image(0, 0, 3, 2, Pattern(3, 2, 1, 16))
           .Trailer().bytes,
       "-set dispose None", [](const GifImage& g) { return g.frames[0].transparentIndex >= 0; }},
      {"interlaced",
       GifBuilder(23, 19, kSixteen)
           .Image(0, 0, 23, 19, Pattern(23, 19, 0, 16)).Image(4, 5, 9, 3, Pattern(9, 3, 1, 16))
           .Image(2, 1, 11, 9, Pattern(11, 9, 2, 16)).Image(0, 0, 5, 1, Pattern(5, 1, 3, 16))
           .Trailer().bytes,
       "-interlace GIF", [](const GifImage& g) { return g.frames[0].interlaced && g.frames[1].interlaced; }},
      {"local-palettes",
       GifBuilder(10, 8, {0xFF0000, 0x00FF00})
           .Image(0, 0, 10, 8, Pattern(10, 8, 0, 2))
           .Image(0, 0, 10, 8, Pattern(10, 8, 1, 4), {0x0000FF, 0x123456, 0xABCDEF, 0xFFFFFF})
           .Image(2, 2, 4, 3, Pattern(4, 3, 2, 16), kSixteen)
           .Trailer().bytes,
       "-set dispose None",
       [](const GifImage& g) {
         return AnyFrame(g, [&](const GifFrame& f) { return f.paletteOffset != g.frames[0].paletteOffset; });
       }},
      {"full-code-table",
       GifBuilder(120, 90, all).Image(0, 0, 120, 90, noise).Image(0, 0, 120, 90, Pattern(120, 90, 0, 256))
           .Trailer().bytes,
       "-set dispose None", [](const GifImage& g) { return g.frames[0].paletteEntries == 256; }},
      {"gif87a", GifBuilder(9, 7, kSixteen).Image(0, 0, 9, 7, Pattern(9, 7, 0, 16)).Trailer().bytes, "-strip",
       [](const GifImage& g) { return std::string(g.data.begin(), g.data.begin() + 6) == "GIF87a"; }},
  };
  for (const MagickCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = c.name;
    Write(name + "-source.gif", c.source);
    Convert(name + "-source.gif " + c.args + " " + (name == "gif87a" ? "GIF87:" : "") + name + ".gif");
    EXPECT_TRUE(c.uses(Read(name + ".gif"))) << "the file does not exercise " << c.name;
    ExpectSameFrames(name + ".gif");
  }
}

TEST_F(GifCoalesce, DelaysAndLoopFlagAsWritten) {
  Write("source.gif", GifBuilder(4, 4, kSixteen)
                          .Image(0, 0, 4, 4, Pattern(4, 4, 0, 16))
                          .Image(0, 0, 4, 4, Pattern(4, 4, 1, 16))
                          .Image(0, 0, 4, 4, Pattern(4, 4, 2, 16))
                          .Trailer()
                          .bytes);
  Convert("-delay 10 'source.gif[0]' -delay 20 'source.gif[1]' -delay 30 'source.gif[2]' -loop 0 three.gif");
  GifImage img = Read("three.gif");
  ASSERT_EQ(img.frames.size(), 3u);
  EXPECT_EQ(img.frames[0].delayMs, 100u);
  EXPECT_EQ(img.frames[1].delayMs, 200u);
  EXPECT_EQ(img.frames[2].delayMs, 300u);
  EXPECT_TRUE(img.loops);

  Convert("source.gif -set delay 7 -loop 3 counted.gif");
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

  // 6554 hundredths are 65 540 ms; a 16-bit millisecond field would wrap to 4.
  Convert("-delay 6554 'source.gif[0]' -delay 65535 'source.gif[1]' long.gif");
  img = Read("long.gif");
  ASSERT_EQ(img.frames.size(), 2u);
  EXPECT_EQ(img.frames[0].delayMs, 65540u);
  EXPECT_EQ(img.frames[1].delayMs, 655350u);
}

// The lumaweave tool next to this test binary; empty when it was not built.
std::string Tool() {
  std::error_code ec;
  const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / "lumaweave";
  return !ec && std::filesystem::exists(tool) ? tool.string() : "";
}

std::string RunCommand(const std::string& command, int& status) {
  std::string out;
  FILE* p = popen((command + " 2>&1").c_str(), "r");
  if (!p) return out;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  status = pclose(p);
  return out;
}

TEST_F(GifCoalesce, ToolWritesEveryComposedFrameAsPng) {
  const std::string tool = Tool();
  if (tool.empty()) GTEST_SKIP() << "lumaweave was not built";
  Write("source.gif", Layers());
  Convert("-delay 10 'source.gif[0]' -delay 20 'source.gif[1]' -delay 0 'source.gif[2]' "
          "-dispose Background -delay 6554 'source.gif[3]' -dispose Previous -delay 5 'source.gif[4]' anim.gif");
  int status = -1;
  const std::string out = RunCommand(tool + " gif " + Path("anim.gif") + " --out " + Path("frames"), status);
  EXPECT_EQ(status, 0) << out;
  // No loop block: ImageMagick writes one only with -loop.
  GifImage img = Read("anim.gif");
  EXPECT_EQ(out, std::string("frame 1: 100 ms\nframe 2: 200 ms\nframe 3: 0 ms\nframe 4: 65540 ms\nframe 5: 50 ms\n") +
                     (img.loops ? "loop: yes\n" : "loop: no\n"));

  Convert("anim.gif -coalesce -depth 8 RGBA:coalesced.rgba");
  const std::vector<uint8_t> ref = ReadAll(Path("coalesced.rgba"));
  const size_t frameBytes = 16 * 12 * 4;
  ASSERT_EQ(ref.size(), 5 * frameBytes);
  for (int k = 1; k <= 5; ++k) {
    char png[32];
    std::snprintf(png, sizeof png, "frames/frame-%04d.png", k);
    Convert(std::string(png) + " -depth 8 RGBA:png.rgba");
    const std::vector<uint8_t> got = ReadAll(Path("png.rgba"));
    ASSERT_EQ(got.size(), frameBytes) << png;
    int bad = 0;
    for (size_t i = 0; i < frameBytes; i += 4) {
      const uint8_t* want = &ref[(k - 1) * frameBytes + i];
      const bool same = got[i + 3] == want[3] && (want[3] == 0 ? got[i] == 0 && got[i + 1] == 0 && got[i + 2] == 0
                                                                : std::equal(want, want + 3, &got[i]));
      if (!same) ++bad;
    }
    EXPECT_EQ(bad, 0) << png;
  }

  Write("broken.gif", {'G', 'I', 'F', '8', '9', 'a', 1});
  EXPECT_NE(RunCommand(tool + " gif " + Path("broken.gif") + " --out " + Path("none"), status).find("not a GIF"),
            std::string::npos);
  EXPECT_NE(status, 0);
}

TEST(GifAnimator, RenderingBackwardsStartsOver) {
  GifImage img;
  ASSERT_TRUE(ReadGif(Layers(), img));
  for (GifFrame& f : img.frames) f.disposal = GifDisposal::kPrevious;
  img.frames[1].disposal = GifDisposal::kBackground;
  GifAnimator forward(std::make_shared<GifImage>(img));
  std::vector<Bitmap> inOrder;
  for (size_t k = 0; k < img.frames.size(); ++k) inOrder.push_back(forward.Render(k));
  GifAnimator jumping(std::make_shared<GifImage>(img));
  for (size_t k : {3, 1, 1, 0, 2, 4, 2}) EXPECT_EQ(jumping.Render(k).pixels, inOrder[k].pixels) << "frame " << k;
}

}  // namespace
}  // namespace lw
