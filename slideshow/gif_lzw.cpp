#include "slideshow/gif_lzw.h"

namespace lw {

GifLzwReader::GifLzwReader(const std::vector<uint8_t>& file, size_t offset, uint8_t minCodeSize)
    : file_(file), pos_(offset), rootSize_(minCodeSize), clear_(1 << (minCodeSize & 15)) {
  if (minCodeSize < 1 || minCodeSize > 8) done_ = true;
  ResetTable();
}

void GifLzwReader::ResetTable() {
  width_ = rootSize_ + 1;
  next_ = clear_ + 2;
  prev_ = -1;
}

int GifLzwReader::NextCode() {
  while (bitCount_ < width_) {
    if (blockLeft_ == 0) {
      if (dataEnded_ || pos_ >= file_.size()) return -1;
      blockLeft_ = file_[pos_++];
      if (blockLeft_ == 0) {
        dataEnded_ = true;
        return -1;
      }
    }
    if (pos_ >= file_.size()) return -1;
    bits_ |= static_cast<uint32_t>(file_[pos_++]) << bitCount_;
    bitCount_ += 8;
    --blockLeft_;
  }
  int code = static_cast<int>(bits_ & ((1u << width_) - 1));
  bits_ >>= width_;
  bitCount_ -= width_;
  return code;
}

size_t GifLzwReader::Read(uint8_t* out, size_t n) {
  size_t produced = 0;
  while (produced < n) {
    if (stackTop_ > 0) {
      out[produced++] = stack_[--stackTop_];
      continue;
    }
    if (done_) break;
    int code = NextCode();
    if (code < 0 || code == clear_ + 1) {
      done_ = true;
      break;
    }
    if (code == clear_) {
      ResetTable();
      continue;
    }
    if (prev_ < 0) {
      if (code > clear_) {  // a string before any was defined
        done_ = true;
        break;
      }
      stack_[stackTop_++] = static_cast<uint8_t>(code);
      prev_ = code;
      continue;
    }
    if (code > next_ || (code == next_ && next_ >= kMaxCodes)) {
      done_ = true;
      break;
    }
    int in = code;
    if (code == next_) {
      // The string being defined: the previous one plus its own first byte,
      // which is pushed first and comes out last.
      int first = prev_;
      while (first > clear_) first = prefix_[first];
      stack_[stackTop_++] = static_cast<uint8_t>(first);
      code = prev_;
    }
    while (code > clear_) {
      stack_[stackTop_++] = suffix_[code];
      code = prefix_[code];
    }
    stack_[stackTop_++] = static_cast<uint8_t>(code);  // the string's first byte
    if (next_ < kMaxCodes) {
      prefix_[next_] = static_cast<uint16_t>(prev_);
      suffix_[next_] = static_cast<uint8_t>(code);
      ++next_;
      if (next_ == (1 << width_) && width_ < 12) ++width_;
    }
    prev_ = in;
  }
  return produced;
}

}  // namespace lw
