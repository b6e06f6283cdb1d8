// A zoom: a fixed rectangle of the new frame stretched into a destination
// rectangle whose four edges move at their own speeds.
#pragma once
#include <cstdint>

#include "gfx/bitmap.h"
#include "transitions/trans_thread.h"

namespace lw {

class TZoom : public TransitionPart {
 public:
  void Init(int32_t X0, int32_t Y0, int32_t ZoomWidth0, int32_t ZoomHeight0, int32_t Steps,
            double DLeft, double DTop, double DRight, double DBottom, int32_t SrcLeft,
            int32_t SrcTop, int32_t SrcRight, int32_t SrcBottom, const Bitmap& Image);

  // Moves every edge one step and sets DstRect and SrcRect; true while steps remain.
  bool Step() override;
  // Draws SrcRect of the image stretched into DstRect of the worker's
  // WorkImage, with the image's drawing attributes, and paints that rectangle.
  void Paint(TTransThread& t) override;

  int32_t ImageWidth = 0, ImageHeight = 0;
  int32_t Steps = 0;
  double X = 0, Y = 0;
  double ZoomWidth = 0, ZoomHeight = 0;
  double DLeft = 0, DRight = 0, DTop = 0, DBottom = 0;
  int32_t SrcLeft = 0, SrcTop = 0, SrcRight = 0, SrcBottom = 0;
  const Bitmap* Image = nullptr;
  Rect DstRect, SrcRect;
};

}  // namespace lw
