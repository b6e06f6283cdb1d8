// Writes small GIF files block by block, for tests and fuzz seeds. Pixel data
// are stored as literal LZW codes (a clear code before the table would widen
// the codes), which every decoder must read; damaged streams are written as
// raw codes.
#pragma once
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace lw::test {

class GifBuilder {
 public:
  using Palette = std::vector<uint32_t>;  // 0xRRGGBB, 2, 4, ... 256 entries

  explicit GifBuilder(uint16_t width, uint16_t height, const Palette& global = {}, uint8_t bgIndex = 0,
                      const char* version = "GIF89a") {
    for (const char* p = version; *p; ++p) bytes.push_back(static_cast<uint8_t>(*p));
    Word(width);
    Word(height);
    bytes.push_back(global.empty() ? 0 : static_cast<uint8_t>(0x80 | SizeBits(global)));
    bytes.push_back(bgIndex);
    bytes.push_back(0);
    Colors(global);
  }

  GifBuilder& Loop(uint16_t count = 0) {
    Append({0x21, 0xFF, 11});
    for (char ch : std::string("NETSCAPE2.0")) bytes.push_back(static_cast<uint8_t>(ch));
    Append({3, 1});
    Word(count);
    bytes.push_back(0);
    return *this;
  }

  // Graphic control block for the next image. transparent < 0: none.
  GifBuilder& Control(uint8_t disposal, uint16_t delayCs, int transparent = -1) {
    Append({0x21, 0xF9, 4, static_cast<uint8_t>((disposal << 2) | (transparent >= 0 ? 1 : 0))});
    Word(delayCs);
    bytes.push_back(static_cast<uint8_t>(transparent >= 0 ? transparent : 0));
    bytes.push_back(0);
    return *this;
  }

  // An image whose `indices` (w·h, row by row in display order) are stored in
  // file order: interlaced when asked.
  GifBuilder& Image(uint16_t left, uint16_t top, uint16_t w, uint16_t h, const std::vector<uint8_t>& indices,
                    const Palette& local = {}, bool interlaced = false, uint8_t rootSize = 8) {
    std::vector<uint8_t> stored;
    if (interlaced) {
      for (int pass = 0; pass < 4; ++pass) {
        static const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        for (int y = start[pass]; y < h; y += step[pass])
          stored.insert(stored.end(), indices.begin() + y * w, indices.begin() + (y + 1) * w);
      }
    } else {
      stored = indices;
    }
    std::vector<std::pair<int, int>> codes;  // (code, width)
    const int clear = 1 << rootSize;
    const int runMax = clear - 2;  // literals per clear before the codes would widen
    int run = runMax;
    for (uint8_t v : stored) {
      if (run == runMax) {
        codes.push_back({clear, rootSize + 1});
        run = 0;
      }
      codes.push_back({v, rootSize + 1});
      ++run;
    }
    codes.push_back({clear + 1, rootSize + 1});
    return RawImage(left, top, w, h, rootSize, PackCodes(codes), local, interlaced);
  }

  // An image with the given LZW bytes, split into sub-blocks.
  GifBuilder& RawImage(uint16_t left, uint16_t top, uint16_t w, uint16_t h, uint8_t rootSize,
                       const std::vector<uint8_t>& lzw, const Palette& local = {}, bool interlaced = false) {
    bytes.push_back(0x2C);
    Word(left);
    Word(top);
    Word(w);
    Word(h);
    uint8_t flags = interlaced ? 0x40 : 0;
    if (!local.empty()) flags |= static_cast<uint8_t>(0x80 | SizeBits(local));
    bytes.push_back(flags);
    Colors(local);
    bytes.push_back(rootSize);
    for (size_t i = 0; i < lzw.size(); i += 255) {
      size_t n = std::min<size_t>(255, lzw.size() - i);
      bytes.push_back(static_cast<uint8_t>(n));
      bytes.insert(bytes.end(), lzw.begin() + i, lzw.begin() + i + n);
    }
    bytes.push_back(0);
    return *this;
  }

  GifBuilder& Trailer() {
    bytes.push_back(0x3B);
    return *this;
  }

  // Packs codes with the widths a decoder expects at each point, valid or not.
  static std::vector<uint8_t> Encode(int rootSize, std::initializer_list<int> codes) {
    std::vector<std::pair<int, int>> sized;
    const int clear = 1 << rootSize;
    int width = rootSize + 1, next = clear + 2;
    bool first = true;
    for (int code : codes) {
      sized.push_back({code, width});
      if (code == clear) {
        width = rootSize + 1;
        next = clear + 2;
        first = true;
        continue;
      }
      if (!first && next < 4096 && ++next == (1 << width) && width < 12) ++width;
      first = false;
    }
    return PackCodes(sized);
  }

  // Packs (code, width) pairs lowest bit first, as GIF stores them.
  static std::vector<uint8_t> PackCodes(const std::vector<std::pair<int, int>>& codes) {
    std::vector<uint8_t> out;
    uint32_t acc = 0;
    int bits = 0;
    for (auto [code, width] : codes) {
      acc |= static_cast<uint32_t>(code) << bits;
      bits += width;
      while (bits >= 8) {
        out.push_back(static_cast<uint8_t>(acc));
        acc >>= 8;
        bits -= 8;
      }
    }
    if (bits > 0) out.push_back(static_cast<uint8_t>(acc));
    return out;
  }

  std::vector<uint8_t> bytes;

 private:
  static int SizeBits(const Palette& p) {
    int bits = 0;
    while ((2u << bits) < p.size()) ++bits;
    return bits;
  }
  void Colors(const Palette& p) {
    if (p.empty()) return;
    for (size_t i = 0; i < (2u << SizeBits(p)); ++i) {
      uint32_t c = i < p.size() ? p[i] : 0;
      Append({static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
    }
  }
  void Word(uint16_t v) { Append({static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}); }
  void Append(std::initializer_list<uint8_t> b) { bytes.insert(bytes.end(), b); }
};

}  // namespace lw::test
