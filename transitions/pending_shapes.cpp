// Placeholder until the ellipse, polygon, random pattern and sweep effects
// land: each draws nothing, so the final paint shows the new frame at once.
#include "transitions/families.h"

namespace lw {

void RunEllipseEffect(TTransThread&, int32_t) {}
void RunPolygonEffect(TTransThread&, int32_t) {}
void RunRandomPatternEffect(TTransThread&, int32_t) {}
void RunSweepEffect(TTransThread&, int32_t) {}

}  // namespace lw
