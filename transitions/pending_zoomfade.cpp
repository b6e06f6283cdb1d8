// Placeholder until the zoom and fade effects land: each draws nothing, so
// the final paint shows the new frame at once.
#include "transitions/families.h"

namespace lw {

void RunZoomEffect(TTransThread&, int32_t) {}
void RunWholeFadeEffect(TTransThread&, int32_t) {}
void RunFadeUnfoldEffect(TTransThread&, int32_t) {}

}  // namespace lw
