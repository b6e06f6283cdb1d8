// A moving rectangle through which the new frame is copied to its own place
// on the target. The unfold, line drop, door and fade-unfold effects uncover
// the new frame with folds.
#pragma once
#include <cstdint>

#include "gfx/bitmap.h"
#include "gfx/rect.h"
#include "transitions/trans_thread.h"

namespace lw {

class TFold : public TransitionPart {
 public:
  // The rectangle spans from X to X + EX and from Y to Y + EY; a negative
  // extent reaches left (up) from the anchor.
  void Init(int32_t x0, int32_t y0, int32_t ex, int32_t ey, int32_t steps, double dx, double dy,
            const Bitmap& image);

  // Places Rect1/Rect2 at the current position, then moves; a fold therefore
  // shows its start position in its first frame.
  bool Step() override;
  // Copies Rect1 of the new frame to Rect2 of the target (nothing when the
  // fold is not visible).
  void Paint(TTransThread& t) override;

  // Sets Rect1/Rect2 for the current position, clipped to the image; both
  // become the empty marker when neither edge lies inside the image on one
  // of the axes. Returns whether the fold is visible.
  bool PlaceRects();
  void Move() {
    X += DX;
    Y += DY;
  }

  int32_t ImageWidth = 0, ImageHeight = 0;
  int32_t Steps = 0;
  double X = 0, Y = 0;
  double EX = 0, EY = 0;
  double DX = 0, DY = 0;
  const Bitmap* Image = nullptr;
  Rect Rect1, Rect2;
};

}  // namespace lw
