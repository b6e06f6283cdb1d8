// Contact sheets: frames scaled down to thumbnails, laid out in a grid.
#pragma once
#include <vector>

#include "gfx/bitmap.h"

namespace lw {

class ContactSheet {
 public:
  // Thumbnails keep the frames' proportions within thumbWidth pixels of width.
  ContactSheet(int32_t frameWidth, int32_t frameHeight, int32_t thumbWidth);

  void Add(const Bitmap& frame);
  int32_t Count() const { return static_cast<int32_t>(thumbs_.size()); }
  // The grid, `columns` thumbnails wide, on a dark background.
  Bitmap Compose(int32_t columns) const;

 private:
  int32_t thumbWidth_, thumbHeight_;
  std::vector<Bitmap> thumbs_;
};

}  // namespace lw
