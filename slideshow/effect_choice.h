// Choosing a slide's transition from an effect selection text.
#pragma once
#include <cstdint>
#include <string>

namespace lw {

// One character of the selection, each equally likely; its code is the effect
// number. An empty selection gives 0 (no transition) without drawing.
int32_t RandomEffect(const std::string& effects);

}  // namespace lw
