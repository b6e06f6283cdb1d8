#include "transitions/step_count.h"

#include <algorithm>

namespace lw {
namespace {

constexpr int32_t kSteps800[10] = {800, 600, 400, 200, 100, 60, 40, 20, 8, 4};
constexpr int32_t kSteps1024[10] = {1024, 768, 400, 256, 128, 64, 32, 16, 8, 4};

}  // namespace

int32_t SlideStepCount(int32_t speed, int32_t windowWidth) {
  speed = std::clamp(speed, 1, 10);
  if (windowWidth == 800) return kSteps800[speed - 1];
  if (windowWidth == 1024) return kSteps1024[speed - 1];
  const int32_t steps = windowWidth / speed;
  return steps - steps % 4;
}

}  // namespace lw
