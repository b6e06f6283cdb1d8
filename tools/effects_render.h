// Plays one transition effect in memory, between the two sample pictures, and
// hands out the target at every frame-spacing wait and after the end.
#pragma once
#include <cstdint>
#include <functional>

#include "gfx/bitmap.h"

namespace lw {

struct EffectRender {
  int32_t effect = 1;
  int32_t width = 320, height = 240;
  int32_t steps = 32;
  uint32_t seed = 1;  // the random generator's seed at the start
};

// `frame` receives the target (frame-sized) at each frame-spacing wait and,
// last, after the final paint; `last` is true for that final call.
// Returns the number of frame-spacing waits.
int32_t RenderEffect(const EffectRender& r, const std::function<void(const Bitmap& frame, bool last)>& frame);

}  // namespace lw
