// Port: what the slide show paints on. An image control holds a bitmap that
// it repaints itself from, and has an on-screen canvas that transitions and
// direct copies paint on without touching that bitmap.
#pragma once
#include <cstdint>

#include "gfx/bitmap.h"
#include "gfx/paint_target.h"

namespace lw {

class ImageSurface {
 public:
  virtual ~ImageSurface() = default;
  // Copies the frame into the control's bitmap. With repaint the control
  // shows it at once; without, the copy happens inside a begin/end update and
  // the control only keeps it for later repaints.
  virtual void Store(const Bitmap& frame, bool repaint) = 0;
  // The control's on-screen canvas.
  virtual PaintTarget& Canvas() = 0;
};

class SlideScreen {
 public:
  virtual ~SlideScreen() = default;
  // The main window's image control.
  virtual ImageSurface& MainImage() = 0;
  // The second monitor's image control; null when there is none.
  virtual ImageSurface* SecondImage() = 0;
  // Copies what the whole screen shows now onto the canvas at (0, 0).
  virtual void CopyDesktop(Bitmap& canvas) = 0;
  virtual int32_t ScreenWidth() = 0;
  virtual int32_t ScreenHeight() = 0;
};

}  // namespace lw
