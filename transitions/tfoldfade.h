// A fold-fade: the soft strip that runs ahead of a fold. It moves like a fold
// and, where it is, shows the new frame blended over the old one with a
// weight graded across the strip.
#pragma once
#include <cstdint>

#include "gfx/bitmap.h"
#include "transitions/tfold.h"

namespace lw {

class TFoldFade : public TFold {
 public:
  // Gradient: 1 full at the left fading to the right, 2 the reverse, 3 full
  // at the top fading downward, 4 the reverse; any other value random alpha.
  void Init(int32_t x0, int32_t y0, int32_t ex, int32_t ey, int32_t steps, double dx, double dy,
            const Bitmap& image, const Bitmap& otherImage, int32_t gradient);

  // Places Rect1 and Rect2 as a fold does, fills Strip with the new frame
  // there and its graded alpha, then moves; true while steps remain. A strip
  // one pixel across cannot be graded and fails the transition.
  bool Step() override;
  // Copies Rect1 of the old frame to Rect2 of WorkImage, blends Strip over it
  // and paints Rect2.
  void Paint(TTransThread& t) override;

  const Bitmap* OtherImage = nullptr;
  Bitmap Strip;  // ex x ey: the new frame under the strip, alpha graded
  int32_t Gradient = 0;

 private:
  void GradeStrip();
};

}  // namespace lw
