// Choosing a slide's transition: one effect drawn from a selection text, and
// the step count that the effect speed gives on a window of a given width.
#pragma once
#include <cstdint>
#include <string>

namespace lw {

// One character of the selection, each equally likely; its code is the effect
// number. An empty selection gives 0 (no transition).
int32_t RandomEffect(const std::string& effects);

// Steps of a transition at speed 1 (smooth) .. 10 (fast) on a window `width`
// pixels wide. Speeds outside 1..10 count as the nearest end of the range.
int32_t TransitionSteps(int32_t speed, int32_t width);

}  // namespace lw
