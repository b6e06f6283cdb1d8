#include "slideshow/effect_choice.h"

#include <algorithm>

#include "common/random.h"

namespace lw {
namespace {
constexpr int32_t kSteps800[10] = {800, 600, 400, 200, 100, 60, 40, 20, 8, 4};
constexpr int32_t kSteps1024[10] = {1024, 768, 400, 256, 128, 64, 32, 16, 8, 4};
// Zero steps would end the transition in a division by zero before its final
// paint, so the slide would never appear: narrow windows get the fastest speed's 4.
constexpr int32_t kMinSteps = 4;
}  // namespace

int32_t RandomEffect(const std::string& effects) {
  if (effects.empty()) return 0;
  int32_t i = Random(static_cast<int32_t>(effects.size()));
  return static_cast<unsigned char>(effects[static_cast<size_t>(i)]);
}

int32_t TransitionSteps(int32_t speed, int32_t width) {
  speed = std::clamp(speed, 1, 10);
  if (width == 800) return kSteps800[speed - 1];
  if (width == 1024) return kSteps1024[speed - 1];
  int32_t steps = width / speed;
  steps -= steps % 4;
  return std::max(steps, kMinSteps);
}

}  // namespace lw
