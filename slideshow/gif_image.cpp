#include "slideshow/gif_image.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace lw {

namespace {

constexpr uint64_t kScreenFloorPixels = uint64_t{1} << 22;  // any file may ask for 2048 x 2048
constexpr uint64_t kScreenPixelsPerByte = 4096;              // the longest string one LZW code paints
constexpr uint64_t kScreenMaxPixels = uint64_t{1} << 26;     // 8192 x 8192, whatever the file's size

// A bounds-checked reader over the file; every read past the end fails.
class Cursor {
 public:
  explicit Cursor(const std::vector<uint8_t>& d) : d_(d) {}
  size_t Pos() const { return pos_; }
  bool Has(size_t n) const { return n <= d_.size() - pos_; }
  bool Byte(uint8_t& v) {
    if (!Has(1)) return false;
    v = d_[pos_++];
    return true;
  }
  bool Word(uint16_t& v) {
    if (!Has(2)) return false;
    v = static_cast<uint16_t>(d_[pos_] | (d_[pos_ + 1] << 8));
    pos_ += 2;
    return true;
  }
  bool Skip(size_t n) {
    if (!Has(n)) return false;
    pos_ += n;
    return true;
  }
  const uint8_t* Here() const { return d_.data() + pos_; }
  // Skips a chain of sub-blocks up to and including its terminator.
  bool SkipSubBlocks() {
    for (;;) {
      uint8_t len;
      if (!Byte(len)) return false;
      if (len == 0) return true;
      if (!Skip(len)) return false;
    }
  }

 private:
  const std::vector<uint8_t>& d_;
  size_t pos_ = 0;
};

struct ControlBlock {
  bool present = false;
  int16_t transparentIndex = -1;
  GifDisposal disposal = GifDisposal::kNone;
  uint32_t delayMs = 0;
};

GifDisposal DisposalOf(uint8_t stored) {
  switch (stored) {
    case 2: return GifDisposal::kBackground;
    case 3: return GifDisposal::kPrevious;
    default: return GifDisposal::kNone;
  }
}

// Graphic control extension, after its label. False when the file ends.
bool ReadControlBlock(Cursor& c, ControlBlock& gce) {
  uint8_t len;
  if (!c.Byte(len)) return false;
  if (len >= 4 && c.Has(4)) {
    const uint8_t* p = c.Here();
    gce.present = true;
    gce.disposal = DisposalOf((p[0] >> 2) & 7);
    // Stored in hundredths; ten times the 16-bit value fits easily in 32 bits.
    gce.delayMs = 10u * static_cast<uint32_t>(p[1] | (p[2] << 8));
    gce.transparentIndex = (p[0] & 1) ? p[3] : -1;
  }
  if (!c.Skip(len)) return false;
  return c.SkipSubBlocks();
}

// Application extension, after its label: picks out the loop block.
bool ReadApplicationBlock(Cursor& c, GifImage& img) {
  uint8_t len;
  if (!c.Byte(len)) return false;
  bool isLoop = len == 11 && c.Has(11) &&
                (std::memcmp(c.Here(), "NETSCAPE2.0", 11) == 0 || std::memcmp(c.Here(), "ANIMEXTS1.0", 11) == 0);
  if (!c.Skip(len)) return false;
  for (;;) {
    uint8_t sub;
    if (!c.Byte(sub)) return false;
    if (sub == 0) return true;
    if (!c.Has(sub)) return false;
    if (isLoop && sub >= 3 && c.Here()[0] == 1) img.loops = true;
    c.Skip(sub);
  }
}

}  // namespace

uint64_t GifScreenLimit(size_t fileSize) {
  uint64_t byData = static_cast<uint64_t>(fileSize) * kScreenPixelsPerByte;
  return std::min(kScreenMaxPixels, std::max(kScreenFloorPixels, byData));
}

bool ReadGif(std::vector<uint8_t> data, GifImage& out, std::string* error) {
  auto fail = [&](const char* why) {
    if (error) *error = why;
    return false;
  };
  GifImage img;
  img.data = std::move(data);
  Cursor c(img.data);

  if (!c.Has(13) || std::memcmp(c.Here(), "GIF", 3) != 0 ||
      (std::memcmp(c.Here() + 3, "87a", 3) != 0 && std::memcmp(c.Here() + 3, "89a", 3) != 0))
    return fail("not a GIF file");
  c.Skip(6);
  uint16_t screenW, screenH;
  uint8_t flags, bgIndex, aspect;
  c.Word(screenW);
  c.Word(screenH);
  c.Byte(flags);
  c.Byte(bgIndex);
  c.Byte(aspect);

  size_t globalOffset = 0;
  uint16_t globalEntries = 0;
  if (flags & 0x80) {
    globalEntries = static_cast<uint16_t>(2u << (flags & 7));
    globalOffset = c.Pos();
    if (!c.Skip(3u * globalEntries)) return fail("truncated colour table");
  }

  ControlBlock gce;
  bool ended = false;
  while (!ended) {
    uint8_t introducer;
    if (!c.Byte(introducer)) break;
    if (introducer == 0x3B) break;  // trailer
    if (introducer == 0x21) {
      uint8_t label;
      if (!c.Byte(label)) break;
      if (label == 0xF9) {
        gce = ControlBlock{};
        ended = !ReadControlBlock(c, gce);
      } else if (label == 0xFF) {
        ended = !ReadApplicationBlock(c, img);
      } else {
        ended = !c.SkipSubBlocks();
      }
      continue;
    }
    if (introducer != 0x2C) break;  // not a block: the rest is unreadable

    uint16_t left, top, w, h;
    uint8_t imageFlags, minCode;
    if (!c.Word(left) || !c.Word(top) || !c.Word(w) || !c.Word(h) || !c.Byte(imageFlags)) break;
    GifFrame f;
    f.rect = Rect{left, top, left + w, top + h};
    f.interlaced = (imageFlags & 0x40) != 0;
    if (imageFlags & 0x80) {
      f.paletteEntries = static_cast<uint16_t>(2u << (imageFlags & 7));
      f.paletteOffset = c.Pos();
      if (!c.Skip(3u * f.paletteEntries)) break;
    } else {
      f.paletteEntries = globalEntries;
      f.paletteOffset = globalOffset;
    }
    if (!c.Byte(minCode)) break;
    f.minCodeSize = minCode;
    f.dataOffset = c.Pos();
    if (gce.present) {
      f.transparentIndex = gce.transparentIndex;
      f.disposal = gce.disposal;
      f.delayMs = gce.delayMs;
    }
    gce = ControlBlock{};
    // A frame without any colour table has nothing to paint with.
    if (f.paletteEntries > 0) img.frames.push_back(f);
    ended = !c.SkipSubBlocks();
  }

  if (img.frames.empty()) return fail("no image in the file");

  img.width = screenW;
  img.height = screenH;
  if (img.width == 0 || img.height == 0) {
    // Some writers leave the screen size out; the first frame then defines it.
    img.width = img.frames[0].rect.right;
    img.height = img.frames[0].rect.bottom;
  }
  uint64_t pixels = static_cast<uint64_t>(img.width) * static_cast<uint64_t>(img.height);
  if (pixels == 0) return fail("empty logical screen");
  if (pixels > GifScreenLimit(img.data.size())) return fail("logical screen too large for the file");

  const GifFrame& first = img.frames[0];
  for (const GifFrame& f : img.frames)
    if (f.transparentIndex >= 0 || f.disposal == GifDisposal::kBackground) img.transparent = true;
  if (first.transparentIndex >= 0) {
    img.background = 0;
  } else if (globalEntries > 0 && bgIndex < globalEntries) {
    const uint8_t* rgb = img.data.data() + globalOffset + 3u * bgIndex;
    img.background = 0xFF000000u | (uint32_t{rgb[0]} << 16) | (uint32_t{rgb[1]} << 8) | rgb[2];
  } else {
    img.background = 0xFF000000u;
  }

  out = std::move(img);
  return true;
}

bool ReadGifFile(const std::string& path, GifImage& out, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot open the file";
    return false;
  }
  std::vector<uint8_t> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ReadGif(std::move(data), out, error);
}

}  // namespace lw
