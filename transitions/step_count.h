// Step count of the slide show's transitions, from the effect speed and the
// show window's width.
#pragma once
#include <cstdint>

namespace lw {

// speed 1 ("Smooth") .. 10 ("Fast"); a speed outside that range counts as the
// nearest end, as the speed control would show it.
int32_t SlideStepCount(int32_t speed, int32_t windowWidth);

}  // namespace lw
