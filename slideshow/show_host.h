// Port: the rest of the main window as the slide show meets it: the mode
// flags, the end of the show, and the slide sound.
#pragma once
#include <cstdint>

namespace lw {

class ShowHost {
 public:
  virtual ~ShowHost() = default;
  virtual bool PresentationMode() = 0;
  virtual bool PresentationPlaying() = 0;
  // The show is mirrored on a second monitor.
  virtual bool DualMonitorActive() = 0;
  // Winds the show down when `exit` is true and the password check allows it.
  virtual void FinishScreenSaver(bool exit) = 0;
  virtual void DisplayExitBanner() = 0;
  // Plays the sound record `soundIndex` as the slide comes on screen.
  virtual void LoadEnterSound(int32_t soundIndex) = 0;
};

}  // namespace lw
