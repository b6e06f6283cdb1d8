// A rectangle of an image drawn displaced by a moving offset and clipped to
// its own resting place: the pieces of the slide effects.
#pragma once
#include <cstdint>

#include "gfx/bitmap.h"
#include "gfx/rect.h"
#include "transitions/trans_thread.h"

namespace lw {

class TSlide : public TransitionPart {
 public:
  // (Left, Top, Right, Bottom) is the rectangle of `image` this slide carries
  // and also where it rests on the target at offset 0.
  void Init(int32_t x0, int32_t y0, int32_t steps, double dx, double dy, int32_t left,
            int32_t top, int32_t right, int32_t bottom, const Bitmap& image);

  // Moves, then sets DstRect/SrcRect; the first frame already shows the
  // first step. Once no steps are left both become the empty marker.
  bool Step() override;
  // Paints SrcRect of the carried image to DstRect of the target when visible.
  void Paint(TTransThread& t) override;

  int32_t ImageWidth = 0, ImageHeight = 0;
  int32_t Steps = 0;
  double X = 0, Y = 0;
  double DX = 0, DY = 0;
  int32_t Left = 0, Right = 0, Top = 0, Bottom = 0;
  const Bitmap* Image = nullptr;
  Rect DstRect, SrcRect;
};

}  // namespace lw
