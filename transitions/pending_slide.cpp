// Placeholder until the slide, unfold, line drop and box effects land: each
// draws nothing, so the final paint shows the new frame at once.
#include "transitions/families.h"

namespace lw {

void RunSlideEffect(TTransThread&, int32_t) {}
void RunUnfoldEffect(TTransThread&, int32_t) {}
void RunLineDropEffect(TTransThread&, int32_t) {}
void RunBoxOut(TTransThread&) {}
void RunBoxIn(TTransThread&) {}

}  // namespace lw
