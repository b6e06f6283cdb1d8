// Damaged and unusual GIFs: refused cleanly, or composed as far as they go.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "slideshow/gif_animator.h"
#include "slideshow/gif_image.h"
#include "tests/slideshow/gif_builder.h"

namespace lw {
namespace {

using test::GifBuilder;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
const GifBuilder::Palette kRgbw = {kRed, kGreen, kBlue, kWhite};

// The screen as rows of palette letters: R G B W, '.' transparent, 'k' black.
std::vector<std::string> Picture(const Bitmap& b) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < b.height; ++y) {
    std::string row;
    for (int32_t x = 0; x < b.width; ++x) {
      switch (b.At(x, y)) {
        case 0xFFFF0000: row += 'R'; break;
        case 0xFF00FF00: row += 'G'; break;
        case 0xFF0000FF: row += 'B'; break;
        case 0xFFFFFFFF: row += 'W'; break;
        case 0xFF000000: row += 'k'; break;
        case 0: row += '.'; break;
        default: row += '?';
      }
    }
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> Compose(const std::vector<uint8_t>& bytes, size_t frame = 0) {
  GifImage img;
  std::string error;
  if (!ReadGif(bytes, img, &error)) return {"refused: " + error};
  return Picture(GifAnimator(std::make_shared<GifImage>(std::move(img))).Render(frame));
}

// A 4 x 3 screen of blue (background index 2) with one frame drawn on it.
GifBuilder BlueScreen() { return GifBuilder(4, 3, kRgbw, 2); }

// Root size 2: literals 0..3, clear 4, end 5, strings from 6.
std::vector<uint8_t> Codes(std::initializer_list<int> codes) { return GifBuilder::Encode(2, codes); }

TEST(GifDamaged, FilesWithoutAReadableImageAreRefused) {
  std::vector<uint8_t> good = BlueScreen().Image(0, 0, 2, 2, {0, 1, 2, 3}).Trailer().bytes;
  auto with = [&](auto edit) {
    std::vector<uint8_t> b = good;
    edit(b);
    return b;
  };
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"signature only", {'G', 'I', 'F', '8', '9', 'a'}},
      {"unknown version", with([](auto& b) { b[4] = '0'; })},
      {"not a GIF", with([](auto& b) { b[0] = 'P'; })},
      {"colour table cut", with([](auto& b) { b.resize(13 + 5); })},
      {"no image", BlueScreen().Trailer().bytes},
      {"image descriptor cut", with([](auto& b) { b.resize(13 + 12 + 6); })},
      {"no colour table anywhere", GifBuilder(4, 3).Image(0, 0, 2, 2, {0, 1, 2, 3}).Trailer().bytes},
      {"screen far too large for the file",
       GifBuilder(65535, 65535, kRgbw).Image(0, 0, 1, 1, {0}).Trailer().bytes},
      {"zero screen and zero frame", GifBuilder(0, 0, kRgbw).Image(0, 0, 0, 0, {}).Trailer().bytes},
  };
  for (const Case& c : cases) {
    GifImage img;
    std::string error;
    EXPECT_FALSE(ReadGif(c.bytes, img, &error)) << c.name;
    EXPECT_FALSE(error.empty()) << c.name;
  }
}

TEST(GifDamaged, BrokenPixelDataKeepsWhatWasDecoded) {
  struct Case {
    const char* name;
    std::vector<uint8_t> lzw;
    std::vector<std::string> screen;
  } cases[] = {
      {"ends early", Codes({4, 0, 1, 3, 3}), {"RGWW", "BBBB", "BBBB"}},  // 16 bits: no padding
      {"code beyond the table", Codes({4, 0, 7, 2}), {"RBBB", "BBBB", "BBBB"}},
      {"string before any literal", Codes({4, 6, 0}), {"BBBB", "BBBB", "BBBB"}},
      {"end code midway", Codes({4, 3, 5, 0}), {"WBBB", "BBBB", "BBBB"}},
      {"data beyond the frame ignored", Codes({4, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}),
       {"RRRR", "GGGG", "GGGG"}},
      // 0 then 6 (= 0 0, the string being defined) then 7 (= 0 0 0).
      {"string defined by its own use", Codes({4, 0, 6, 7, 5}), {"RRRR", "RRBB", "BBBB"}},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> bytes = BlueScreen().RawImage(0, 0, 4, 3, 2, c.lzw).Trailer().bytes;
    EXPECT_EQ(Compose(bytes), c.screen) << c.name;
  }
}

TEST(GifDamaged, FileCutInsideTheDataKeepsTheFrame) {
  std::vector<uint8_t> bytes = BlueScreen().Image(0, 0, 4, 3, {0, 1, 3, 0, 1, 3, 0, 1, 3, 0, 1, 3}, {}, false, 2).bytes;
  // Header, table, descriptor, root size, sub-block length, 3 bytes of codes:
  // the clear code and five literals of three bits.
  bytes.resize(13 + 12 + 10 + 1 + 1 + 3);
  bytes[13 + 12 + 10 + 1] = 255;  // the sub-block claims more than there is
  EXPECT_EQ(Compose(bytes), (std::vector<std::string>{"RGWR", "GBBB", "BBBB"}));
}

TEST(GifDamaged, EveryTruncationIsReadSafely) {
  std::vector<uint8_t> full = GifBuilder(6, 5, kRgbw, 1)
                                  .Loop()
                                  .Control(3, 10, 0)
                                  .Image(1, 1, 3, 3, {0, 1, 2, 3, 0, 1, 2, 3, 0})
                                  .Control(2, 20)
                                  .Image(0, 0, 6, 5, std::vector<uint8_t>(30, 2), {kWhite, kRed}, true)
                                  .Control(1, 30, 1)
                                  .Image(2, 0, 2, 5, {0, 1, 1, 0, 0, 1, 1, 0, 0, 1})
                                  .Trailer()
                                  .bytes;
  for (size_t n = 0; n <= full.size(); ++n) {
    GifImage img;
    if (!ReadGif(std::vector<uint8_t>(full.begin(), full.begin() + n), img)) continue;
    ASSERT_LE(img.frames.size(), 3u) << n;
    GifAnimator anim(std::make_shared<GifImage>(img));
    for (size_t k = 0; k < img.frames.size(); ++k) {
      const Bitmap& b = anim.Render(k);
      ASSERT_EQ(b.width, 6);
      ASSERT_EQ(b.height, 5);
    }
  }
  GifImage img;
  ASSERT_TRUE(ReadGif(full, img));
  EXPECT_EQ(img.frames.size(), 3u);
}

TEST(GifDamaged, FramesBeyondTheScreenAreClipped) {
  struct Case {
    const char* name;
    GifBuilder gif;
    std::vector<std::string> screen;
  } cases[] = {
      {"partly right and below", BlueScreen().Image(2, 1, 3, 3, {0, 1, 3, 1, 0, 3, 3, 3, 3}),
       {"BBBB", "BBRG", "BBGR"}},
      {"wholly outside", BlueScreen().Image(60000, 2, 2, 1, {0, 0}), {"BBBB", "BBBB", "BBBB"}},
      // A frame of 65535 x 65535 whose data hold six pixels: only those show.
      {"huge frame, little data", BlueScreen().RawImage(0, 0, 65535, 65535, 2, Codes({4, 0, 1, 3, 3, 1, 0, 5})),
       {"RGWW", "BBBB", "BBBB"}},
      {"interlaced, partly below", BlueScreen().Image(0, 1, 1, 5, {0, 1, 3, 1, 0}, {}, true), {"BBBB", "RBBB", "GBBB"}},
  };
  for (Case& c : cases) EXPECT_EQ(Compose(c.gif.Trailer().bytes), c.screen) << c.name;
}

TEST(GifDamaged, UnusualButReadable) {
  // Indices past a short colour table show black.
  EXPECT_EQ(Compose(BlueScreen().Image(0, 0, 4, 1, {0, 9, 200, 3}).Trailer().bytes),
            (std::vector<std::string>{"RkkW", "BBBB", "BBBB"}));
  // A screen of 0 x 0 takes the first frame's extent.
  EXPECT_EQ(Compose(GifBuilder(0, 0, kRgbw).Image(1, 0, 2, 2, {0, 1, 2, 3}).Trailer().bytes),
            (std::vector<std::string>{"RRG", "RBW"}));
  // Without a trailer, and with unknown extensions, the frames still read.
  GifBuilder g = BlueScreen();
  g.bytes.insert(g.bytes.end(), {0x21, 0x01, 2, 'h', 'i', 0});
  EXPECT_EQ(Compose(g.Image(0, 0, 1, 1, {1}).bytes), (std::vector<std::string>{"GBBB", "BBBB", "BBBB"}));
  // A background index past the table: black screen.
  EXPECT_EQ(Compose(GifBuilder(2, 1, kRgbw, 9).Image(0, 0, 1, 1, {1}).Trailer().bytes),
            (std::vector<std::string>{"Gk"}));
}

TEST(GifDamaged, ScreenLimitGrowsWithTheFile) {
  EXPECT_EQ(GifScreenLimit(0), uint64_t{1} << 22);
  EXPECT_EQ(GifScreenLimit(10000), 10000u * 4096u);
  EXPECT_EQ(GifScreenLimit(size_t{1} << 30), uint64_t{1} << 26);
  // 3000 x 2000 needs more than a handful of bytes.
  GifBuilder small(3000, 2000, kRgbw);
  small.Image(0, 0, 1, 1, {0}).Trailer();
  GifImage img;
  EXPECT_FALSE(ReadGif(small.bytes, img));
  std::vector<uint8_t> comment = {0x21, 0xFE};
  for (int i = 0; i < 6; ++i) {
    comment.push_back(250);
    comment.insert(comment.end(), 250, 'x');
  }
  comment.push_back(0);
  small.bytes.insert(small.bytes.begin() + 13 + 12, comment.begin(), comment.end());
  EXPECT_TRUE(ReadGif(small.bytes, img)) << "a file of " << small.bytes.size() << " bytes";
}

}  // namespace
}  // namespace lw
