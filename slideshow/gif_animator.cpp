#include "slideshow/gif_animator.h"

#include <algorithm>

#include "slideshow/gif_lzw.h"

namespace lw {

namespace {

// Interlaced frames store every 8th row from 0, every 8th from 4, every 4th
// from 2, then every 2nd from 1.
struct Pass {
  int32_t start, step;
};
constexpr Pass kInterlacePasses[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};

// Yields the frame rows in the order the data stores them.
class RowOrder {
 public:
  RowOrder(int32_t height, bool interlaced) : height_(height), interlaced_(interlaced) {
    if (interlaced_) SkipEmptyPasses();
  }
  bool Done() const { return interlaced_ ? pass_ >= 4 : row_ >= height_; }
  int32_t Row() const { return row_; }
  void Advance() {
    if (!interlaced_) {
      ++row_;
      return;
    }
    row_ += kInterlacePasses[pass_].step;
    if (row_ >= height_) {
      ++pass_;
      SkipEmptyPasses();
    }
  }

 private:
  void SkipEmptyPasses() {
    while (pass_ < 4 && kInterlacePasses[pass_].start >= height_) ++pass_;
    if (pass_ < 4) row_ = kInterlacePasses[pass_].start;
  }

  int32_t height_;
  bool interlaced_;
  int pass_ = 0;
  int32_t row_ = 0;
};

}  // namespace

GifAnimator::GifAnimator(std::shared_ptr<const GifImage> image) : image_(std::move(image)) { Restart(); }

void GifAnimator::Restart() {
  screen_.SetSize(image_->width, image_->height, image_->background);
  drawn_ = 0;
  lastClip_ = Rect{};
  saved_.clear();
}

const Bitmap& GifAnimator::Render(size_t k) {
  const size_t count = image_->frames.size();
  if (count == 0) return screen_;
  k = std::min(k, count - 1);
  if (k + 1 < drawn_) Restart();
  while (drawn_ <= k) DrawNext();
  return screen_;
}

void GifAnimator::DrawNext() {
  const std::vector<GifFrame>& frames = image_->frames;
  if (drawn_ > 0) {
    const GifFrame& last = frames[drawn_ - 1];
    if (last.disposal == GifDisposal::kBackground) {
      for (int32_t y = lastClip_.top; y < lastClip_.bottom; ++y)
        std::fill(screen_.Row(y) + lastClip_.left, screen_.Row(y) + lastClip_.right, 0u);
    } else if (last.disposal == GifDisposal::kPrevious) {
      const uint32_t* src = saved_.data();
      for (int32_t y = lastClip_.top; y < lastClip_.bottom; ++y, src += lastClip_.Width())
        std::copy(src, src + lastClip_.Width(), screen_.Row(y) + lastClip_.left);
    }
  }

  const GifFrame& f = frames[drawn_++];
  lastClip_ = Intersect(f.rect, screen_.BoundsRect());
  if (f.disposal == GifDisposal::kPrevious) {
    saved_.resize(static_cast<size_t>(lastClip_.Width()) * lastClip_.Height());
    uint32_t* dst = saved_.data();
    for (int32_t y = lastClip_.top; y < lastClip_.bottom; ++y, dst += lastClip_.Width())
      std::copy(screen_.Row(y) + lastClip_.left, screen_.Row(y) + lastClip_.right, dst);
  }
  if (!lastClip_.IsEmpty()) DrawPixels(f, lastClip_);
}

void GifAnimator::DrawPixels(const GifFrame& f, const Rect& clip) {
  const std::vector<uint8_t>& data = image_->data;
  uint32_t palette[256];
  std::fill(std::begin(palette), std::end(palette), 0xFF000000u);  // indices past the table: black
  for (size_t i = 0; i < f.paletteEntries && i < 256; ++i) {
    const uint8_t* rgb = data.data() + f.paletteOffset + 3 * i;
    palette[i] = 0xFF000000u | (uint32_t{rgb[0]} << 16) | (uint32_t{rgb[1]} << 8) | rgb[2];
  }

  const int32_t w = f.rect.Width();
  const int32_t x0 = clip.left - f.rect.left;
  const int32_t x1 = clip.right - f.rect.left;
  row_.resize(static_cast<size_t>(w));
  GifLzwReader lzw(data, f.dataOffset, f.minCodeSize);
  for (RowOrder order(f.rect.Height(), f.interlaced); !order.Done(); order.Advance()) {
    const int32_t y = f.rect.top + order.Row();
    if (!f.interlaced && y >= clip.bottom) break;  // nothing below is visible
    const int32_t got = static_cast<int32_t>(lzw.Read(row_.data(), row_.size()));
    if (y >= clip.top && y < clip.bottom) {
      uint32_t* dst = screen_.Row(y) + f.rect.left;
      for (int32_t x = x0; x < std::min(x1, got); ++x) {
        uint8_t index = row_[x];
        if (index != f.transparentIndex) dst[x] = palette[index];
      }
    }
    if (got < w) break;
  }
}

}  // namespace lw
