// Layout of the fade unfolds: a hard-edged fold uncovering the new frame and
// the soft strip running directly ahead of it.
#pragma once
#include <cstdint>

namespace lw {

struct FoldMotion {
  int32_t x0, y0;   // anchor
  int32_t ex, ey;   // signed extent
  double dx, dy;    // movement per step
  int32_t steps;
};

struct FadeUnfoldLayout {
  FoldMotion fold;
  FoldMotion strip;
  int32_t gradient;
};

// Fade unfold `local` (1..4: from left, right, up, bottom) on a W x H frame
// in S steps; false for a number outside the family. The fold's width
// divides by S: S = 0 fails the transition.
bool LayFadeUnfold(int32_t local, int32_t W, int32_t H, int32_t S, FadeUnfoldLayout& out);

}  // namespace lw
