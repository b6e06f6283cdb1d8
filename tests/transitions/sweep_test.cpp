// Every effect at odd and even sizes and at short and long step counts: it
// ends, touches nothing outside the frame and leaves the exact new frame.
#include <gtest/gtest.h>

#include "tests/transitions/test_doubles.h"
#include "transitions/catalogue.h"
#include "transitions/transition_state.h"

namespace lw {
namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer) || __has_feature(thread_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

struct Size {
  int32_t w, h;
};

// Runs whose arithmetic has no result end without the final paint: a grid of
// zero cells (99 below 8 rows) and a fade strip one pixel wide (117–120 on
// frames under 11 pixels).
bool EndsWithoutFinalPaint(int32_t effect, const Size& s) {
  if (effect == 99) return s.h < 8;
  if (effect == 117 || effect == 118) return s.w <= 10;
  if (effect == 119 || effect == 120) return s.h <= 10;
  return false;
}

class EffectSweep : public TransitionTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(EffectSweep, EndsOnTheNewFrameAndStaysInside) {
  const int32_t effect = GetParam();
  const Size sizes[] = {{800, 600}, {1024, 768}, {119, 95}, {801, 601}, {7, 5}};
  EffectRunOptions options;
  options.snapshots = false;
  options.threaded = false;  // the engine tests cover the thread; here the effects count
  for (const Size& size : sizes) {
    for (int32_t steps : {4, 32, 200}) {
      // Under the sanitizers the long runs on large frames take minutes and
      // repeat what the small frames already walk through; native runs all.
      if (kSanitized && steps == 200 && size.w > 200) continue;
      SCOPED_TRACE(testing::Message() << EffectName(effect) << " " << size.w << "x" << size.h << " S=" << steps);
      const EffectRun run = RunEffectOnMemory(effect, size.w, size.h, steps, options);
      EXPECT_EQ(TransitionRunning, 0);
      EXPECT_EQ(CurrentTransition, nullptr);
      EXPECT_TRUE(OutsideUntouched(run.target, size.w, size.h));
      EXPECT_EQ(FrameEquals(run.target, run.newFrame), !EndsWithoutFinalPaint(effect, size));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllEffects, EffectSweep, ::testing::Range(1, kEffectCount + 1));

}  // namespace
}  // namespace lw
