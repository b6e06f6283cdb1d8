#include "slideshow/effect_choice.h"

#include "common/random.h"

namespace lw {

int32_t RandomEffect(const std::string& effects) {
  if (effects.empty()) return 0;
  int32_t i = Random(static_cast<int32_t>(effects.size()));
  return static_cast<unsigned char>(effects[static_cast<size_t>(i)]);
}

}  // namespace lw
