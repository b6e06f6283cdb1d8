// A GIF file read into its frames (87a and 89a). Reading checks the block
// structure only; the pixel data of each frame stays compressed in `data` and
// is decoded when a frame is composed (gif_animator.h).
//
// Damaged files: a file without a valid header or without a single complete
// image descriptor is refused; a file that breaks off later keeps the frames
// whose descriptors were read whole, and a frame whose pixel data breaks off
// keeps what was decoded.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/rect.h"

namespace lw {

// What happens to a frame's area before the next frame is drawn.
enum class GifDisposal : uint8_t {
  kNone,        // stored 0, 1 and the undefined values 4..7: the frame stays
  kBackground,  // stored 2: the area becomes transparent
  kPrevious,    // stored 3: the area returns to what it was before the frame
};

struct GifFrame {
  Rect rect;                      // on the logical screen; may reach beyond it
  bool interlaced = false;
  int16_t transparentIndex = -1;  // -1: no transparent colour
  GifDisposal disposal = GifDisposal::kNone;
  uint32_t delayMs = 0;           // ten times the stored hundredths of a second
  size_t paletteOffset = 0;       // the frame's colour table in `data`
  uint16_t paletteEntries = 0;
  uint8_t minCodeSize = 0;        // the LZW root size
  size_t dataOffset = 0;          // the first sub-block of the LZW data
};

struct GifImage {
  std::vector<uint8_t> data;  // the whole file
  int32_t width = 0;          // logical screen
  int32_t height = 0;
  std::vector<GifFrame> frames;
  bool loops = false;         // a NETSCAPE2.0 (or ANIMEXTS1.0) loop block is present
  bool transparent = false;   // some composed frame can hold transparent pixels
  uint32_t background = 0;    // ARGB of the screen before the first frame
};

// The largest logical screen a file of `fileSize` bytes may declare, in
// pixels: generous for real files (one LZW code can paint thousands of
// pixels), yet it keeps a few bytes from asking for gigabytes.
uint64_t GifScreenLimit(size_t fileSize);

// Reads a GIF from its bytes. On failure returns false and leaves a short
// reason in *error (when given).
bool ReadGif(std::vector<uint8_t> data, GifImage& out, std::string* error = nullptr);

// Reads a GIF file; false when the file cannot be read or is no GIF.
bool ReadGifFile(const std::string& path, GifImage& out, std::string* error = nullptr);

}  // namespace lw
