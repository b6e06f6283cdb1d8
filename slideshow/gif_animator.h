// Composes the frames of a GIF on its logical screen, frame after frame, as a
// viewer shows them: each frame drawn over what the earlier frames and their
// disposal methods left. Pixels are ARGB; transparent ones are 0 (alpha 0).
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

#include "gfx/bitmap.h"
#include "slideshow/gif_image.h"

namespace lw {

class GifAnimator {
 public:
  explicit GifAnimator(std::shared_ptr<const GifImage> image);

  const GifImage& Image() const { return *image_; }

  // The logical screen as it stands once frame k is drawn (k below the frame
  // count). Going forward costs only the frames in between; going back starts
  // over from the first frame. The reference stays valid until the next call.
  const Bitmap& Render(size_t k);

 private:
  void Restart();
  void DrawNext();
  void DrawPixels(const GifFrame& f, const Rect& clip);

  std::shared_ptr<const GifImage> image_;
  Bitmap screen_;
  size_t drawn_ = 0;          // frames drawn so far
  Rect lastClip_;             // the last drawn frame's area on the screen
  std::vector<uint32_t> saved_;  // lastClip_ before that frame, for kPrevious
  std::vector<uint8_t> row_;
};

}  // namespace lw
