// The program-wide mode flags. Set once at start by the main window's answers
// to the screen-saver component, read everywhere; main thread only.
#pragma once

namespace lw {

extern bool SaverActive;          // this process shows the show (full screen, preview or presentation)
extern bool PreviewMode;          // embedded in the Display Properties preview
extern bool PresentationMode;     // the program file is named ".EXE"
extern bool Suspended;            // the input hook ignores every message
extern bool PresentationPlaying;  // the presentation is not paused

}  // namespace lw
