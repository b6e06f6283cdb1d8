// Layout of the zoom effects: where each zoom starts, how its edges move and
// which part of the new frame it carries.
#pragma once
#include <cstdint>
#include <vector>

#include "gfx/rect.h"

namespace lw {

struct ZoomLayout {
  int32_t x0, y0;                        // start corner
  int32_t width0, height0;               // start size
  double dLeft, dTop, dRight, dBottom;   // edge movement per step
  Rect source;                           // fixed rectangle of the new frame
};

// The zooms of zoom effect `local` (1..12) on a W x H frame in S steps, in
// slot order; empty for a number outside the family. The edge speeds divide
// by S: S = 0 fails the transition.
std::vector<ZoomLayout> ZoomLayouts(int32_t local, int32_t W, int32_t H, int32_t S);

}  // namespace lw
