#include "tools/effects_sheet.h"

#include <algorithm>

#include "gfx/copy.h"
#include "gfx/draw.h"

namespace lw {
namespace {
constexpr int32_t kGap = 4;
constexpr uint32_t kBackground = 0xFF202020u;
}  // namespace

ContactSheet::ContactSheet(int32_t frameWidth, int32_t frameHeight, int32_t thumbWidth) {
  thumbWidth_ = std::max(1, std::min(thumbWidth, frameWidth));
  thumbHeight_ = std::max<int32_t>(1, static_cast<int32_t>(static_cast<int64_t>(frameHeight) * thumbWidth_ /
                                                           std::max(1, frameWidth)));
}

void ContactSheet::Add(const Bitmap& frame) {
  Bitmap thumb(thumbWidth_, thumbHeight_);
  CopyRect(thumb, thumb.BoundsRect(), frame, frame.BoundsRect());
  thumbs_.push_back(std::move(thumb));
}

Bitmap ContactSheet::Compose(int32_t columns) const {
  columns = std::max(1, std::min(columns, Count()));
  const int32_t rows = (Count() + columns - 1) / columns;
  Bitmap sheet(kGap + columns * (thumbWidth_ + kGap), kGap + std::max(1, rows) * (thumbHeight_ + kGap), kBackground);
  for (int32_t i = 0; i < Count(); ++i)
    Draw(sheet, kGap + (i % columns) * (thumbWidth_ + kGap), kGap + (i / columns) * (thumbHeight_ + kGap), thumbs_[i]);
  return sheet;
}

}  // namespace lw
