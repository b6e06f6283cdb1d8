// Plays an animated GIF slide once its transition has ended: each tick of
// the GIF timer draws the next frame, stretched into the slide's rectangle
// over the slide's base picture, onto the surface that shows the slide.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "common/timer.h"
#include "gfx/bitmap.h"
#include "gfx/paint_target.h"
#include "slideshow/gif_animator.h"
#include "slideshow/gif_image.h"

namespace lw {

// Port: the GIF slide on screen, as slide loading left it.
class GifSlide {
 public:
  virtual ~GifSlide() = default;
  // Background, logo and caption at the frame's size: what every frame is drawn over.
  virtual const Bitmap& GifBase() const = 0;
  // Where the slide's picture lies on the frame.
  virtual Rect SlideRect() const = 0;
  // The surface that received the slide.
  virtual PaintTarget& ShowSurface() = 0;
};

// The shortest time a frame stays: a stored delay of 0 would otherwise stop
// the timer, and with it the animation, for good.
constexpr uint32_t kGifMinFrameDelayMs = 10;

class GifPlayer {
 public:
  // Takes over gifTimer's OnTimer.
  GifPlayer(Timer& gifTimer, GifSlide& slide);
  GifPlayer(const GifPlayer&) = delete;
  GifPlayer& operator=(const GifPlayer&) = delete;

  std::string GifFileName;    // the current GIF item's temporary file
  int32_t GifFrameIndex = 0;  // the frame the next tick draws

  // Reads GifFileName into a new image and animator (after StopGif); false,
  // and nothing loaded, when the file is no readable GIF.
  bool LoadGif();
  // Starts the animation when the loaded GIF has more than one frame.
  void AnimateGif();
  // The timer's tick: draws frame GifFrameIndex and arms the next tick.
  void GifTimerTimer();
  // Stops the animation and releases the image and the animator.
  void StopGif();

  const GifImage* Image() const { return image_.get(); }
  GifAnimator* Animator() { return animator_.get(); }

 private:
  Timer& timer_;
  GifSlide& slide_;
  std::shared_ptr<const GifImage> image_;
  std::unique_ptr<GifAnimator> animator_;
};

}  // namespace lw
