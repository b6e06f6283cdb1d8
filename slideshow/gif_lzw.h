// The variable-length LZW decoder of GIF image data, streaming colour indices
// out of a chain of sub-blocks. It stops for good at the end code, at the end
// of the data, or at the first code that cannot be valid; what was decoded
// before stays decoded.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lw {

class GifLzwReader {
 public:
  // `offset` is the first sub-block's length byte; `minCodeSize` the root size
  // stored before it (1..8, anything else decodes nothing).
  GifLzwReader(const std::vector<uint8_t>& file, size_t offset, uint8_t minCodeSize);

  // Decodes up to `n` indices into `out`; fewer means the stream has ended.
  size_t Read(uint8_t* out, size_t n);

 private:
  static constexpr int kMaxCodes = 4096;

  int NextCode();  // -1 when the data run out
  void ResetTable();

  const std::vector<uint8_t>& file_;
  size_t pos_;            // next byte of the current sub-block
  size_t blockLeft_ = 0;  // bytes left in the current sub-block
  bool dataEnded_ = false;
  bool done_ = false;

  uint32_t bits_ = 0;  // bit buffer, lowest bits first
  int bitCount_ = 0;

  int rootSize_;
  int clear_;
  int width_ = 0;
  int next_ = 0;
  int prev_ = -1;

  uint16_t prefix_[kMaxCodes];
  uint8_t suffix_[kMaxCodes];
  uint8_t stack_[kMaxCodes + 1];  // one string, last byte first
  int stackTop_ = 0;
};

}  // namespace lw
