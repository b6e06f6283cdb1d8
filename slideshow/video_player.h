// Port: the slide show's media player for video items and the hidden panel
// the video plays in.
#pragma once
#include <string>

#include "gfx/rect.h"
#include "slideshow/placement.h"

namespace lw {

class VideoPlayer {
 public:
  virtual ~VideoPlayer() = default;
  // Turns the end notification off, detaches the display, closes what was
  // open and opens the file. False when the file cannot be opened.
  virtual bool Open(const std::string& path) = 0;
  // The video's natural rectangle (its display rectangle with no display set).
  virtual Rect NaturalRect() = 0;
  // Disables the panel (it takes no input), gives it this place and size, and
  // makes the video fill its client area.
  virtual void PlaceInPanel(const PanelPlacement& panel) = 0;
  // Turns the player's audio off.
  virtual void Silence() = 0;
  // Plays, shows the panel and asks for the end-of-clip notification.
  // False when playing fails.
  virtual bool Play() = 0;
};

}  // namespace lw
