// Crossfade and Fade To Black: the whole frame is composed anew in WorkImage
// each step and painted at once.
#include <algorithm>

#include "transitions/families.h"
#include "transitions/fade_mix.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_failure.h"
#include "transitions/transition_state.h"

namespace lw {

namespace {

// Crossfade: the new frame over the old one with weight v.
void ComposeCrossfade(TTransThread& t, int32_t v) {
  MixPixels(t.NewImage.pixels.data(), t.OldImage.pixels.data(), t.WorkImage.pixels.data(),
            t.WorkImage.pixels.size(), static_cast<uint8_t>(v));
}

// Fade To Black: the old frame darkens to black over the first half of the
// run, the new frame brightens from black over the second.
void ComposeFadeToBlack(TTransThread& t, int32_t v) {
  const bool second = v > 126;
  const int32_t weight = second ? std::min(255, 2 * v - 254) : 255 - 2 * v;
  const Bitmap& from = second ? t.NewImage : t.OldImage;
  ScalePixels(from.pixels.data(), t.WorkImage.pixels.data(), t.WorkImage.pixels.size(),
              static_cast<uint8_t>(weight));
}

}  // namespace

void RunWholeFadeEffect(TTransThread& t, int32_t local) {
  if (local != 1 && local != 2) return;
  const int32_t S = StepCount.load();
  // The weight rises by d per frame and stays below 255. A negative step
  // count would make d negative and the run endless; it takes the slowest
  // stride instead.
  const int32_t d = std::max(Div(765, S), 1);
  for (int32_t v = d; v < 255 && !t.StopRequested(); v += d) {
    t.StartFrame();
    if (local == 1)
      ComposeCrossfade(t, v);
    else
      ComposeFadeToBlack(t, v);
    t.SrcRect = t.DstRect = Rect{0, 0, t.Width, t.Height};
    t.PaintFromWork();
    t.FrameWait();
  }
}

}  // namespace lw
