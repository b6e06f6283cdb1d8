#include "transitions/transition_state.h"

namespace lw {

std::atomic<int32_t> StepCount{64};
std::atomic<uint32_t> FrameStartTick{0};
std::atomic<uint8_t> AbortRequested{0};
std::atomic<uint8_t> SkipRequested{0};
std::atomic<uint8_t> SkipFinalPaint{0};
std::atomic<uint8_t> TransitionRunning{0};
std::atomic<TTransThread*> CurrentTransition{nullptr};

}  // namespace lw
