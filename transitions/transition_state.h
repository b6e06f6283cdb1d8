// Program-wide transition state, shared by the UI thread and the worker.
#pragma once
#include <atomic>
#include <cstdint>

namespace lw {

class TTransThread;

extern std::atomic<int32_t> StepCount;        // initial 64
extern std::atomic<uint32_t> FrameStartTick;
extern std::atomic<uint8_t> AbortRequested;
extern std::atomic<uint8_t> SkipRequested;
extern std::atomic<uint8_t> SkipFinalPaint;
extern std::atomic<uint8_t> TransitionRunning;
extern std::atomic<TTransThread*> CurrentTransition;

}  // namespace lw
