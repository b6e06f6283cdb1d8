#include "app/mode_flags.h"

namespace lw {

bool SaverActive = false;
bool PreviewMode = false;
bool PresentationMode = false;
bool Suspended = false;
bool PresentationPlaying = true;

}  // namespace lw
