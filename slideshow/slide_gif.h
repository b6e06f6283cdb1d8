// Port: the animated-GIF playback as the slide show drives it.
#pragma once
#include <string>

#include "gfx/bitmap.h"

namespace lw {

class SlideGif {
 public:
  virtual ~SlideGif() = default;
  // Stops the animation and releases the GIF.
  virtual void StopGif() = 0;
  // Reads the GIF at path as the current animation (from its first frame) and
  // gives frame 0 composed on the logical screen, its transparent pixels with
  // alpha 0. False when the file is no readable GIF.
  virtual bool LoadGif(const std::string& path, Bitmap& firstFrame) = 0;
  // Starts the animation when the GIF has more than one frame.
  virtual void AnimateGif() = 0;
};

}  // namespace lw
