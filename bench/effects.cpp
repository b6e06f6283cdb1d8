// Cost of one transition frame (compose and paint) per effect at 1920 x 1080
// on a memory target with FramePeriod 0, as a ratio to one full-frame memcpy
// measured in the same run. Each iteration plays a whole transition; its time
// divided by its frames (frame-spacing waits plus the final paint) is the
// iteration time reported. Times are the thread's CPU time.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "common/random.h"
#include "gfx/copy.h"
#include "gfx/draw.h"
#include "gfx/memory_target.h"
#include "gfx/pixels.h"
#include "gfx/sample_pictures.h"
#include "transitions/catalogue.h"
#include "transitions/memory_render.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace {

// CPU time of this thread in seconds: on a shared machine wall time would
// mostly measure the neighbours.
double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

constexpr int32_t kWidth = 1920, kHeight = 1080, kSteps = 64;

const lw::Bitmap& OldPicture() {
  static const lw::Bitmap b = lw::SampleOldPicture(kWidth, kHeight);
  return b;
}
const lw::Bitmap& NewPicture() {
  static const lw::Bitmap b = lw::SampleNewPicture(kWidth, kHeight);
  return b;
}

void BM_FrameMemcpy(benchmark::State& state) {
  std::vector<uint32_t> src(OldPicture().pixels), dst(src.size());
  for (auto _ : state) {
    const double start = ThreadSeconds();
    std::memcpy(dst.data(), src.data(), src.size() * 4);
    benchmark::ClobberMemory();
    state.SetIterationTime(ThreadSeconds() - start);
  }
}
BENCHMARK(BM_FrameMemcpy)->UseManualTime();

// The pixel kernels the effects are built from, each over one whole frame.
void BM_FrameKernel(benchmark::State& state) {
  const int kernel = static_cast<int>(state.range(0));
  lw::Bitmap src = NewPicture(), dst = OldPicture();
  if (kernel == 1) lw::ResetAlpha(src, 128);  // per-pixel alpha
  src.drawMode = kernel <= 1 ? lw::DrawMode::kBlend : lw::DrawMode::kOpaque;
  src.masterAlpha = kernel == 0 ? 100 : 255;
  src.filter = kernel == 3 ? lw::StretchFilter::kLinear : lw::StretchFilter::kNearest;
  // Stretches read a slightly smaller source rectangle, so every pixel is sampled.
  const lw::Rect from = kernel >= 2 ? lw::Rect{0, 0, kWidth - kWidth / 10, kHeight - kHeight / 10} : src.BoundsRect();
  for (auto _ : state) {
    const double start = ThreadSeconds();
    lw::Draw(dst, dst.BoundsRect(), src, from);
    benchmark::ClobberMemory();
    state.SetIterationTime(ThreadSeconds() - start);
  }
}
BENCHMARK(BM_FrameKernel)->DenseRange(0, 3)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_Effect(benchmark::State& state) {
  const int32_t effect = static_cast<int32_t>(state.range(0));
  lw::MemoryTarget target(kWidth, kHeight);
  lw::InlineMainThread ui;
  int32_t waits = 0;
  lw::FrameWaitClock clock([&] { ++waits; });
  double frames = 0;
  for (auto _ : state) {
    lw::CopyRect(target.surface, OldPicture().BoundsRect(), OldPicture(), OldPicture().BoundsRect());
    lw::SetRandSeed(1);
    lw::AbortRequested = 0;
    lw::SkipRequested = 0;
    lw::TransitionRunning = 1;
    lw::StepCount = kSteps;
    lw::TTransThread worker(effect, 0, NewPicture(), target, clock, ui);
    waits = 0;
    const double start = ThreadSeconds();
    worker.Execute();
    state.SetIterationTime((ThreadSeconds() - start) / (waits + 1));
    frames += waits + 1;
  }
  state.counters["frames"] = benchmark::Counter(frames, benchmark::Counter::kAvgIterations);
}
// Each iteration is a whole transition, so a few of them give a steady mean.
BENCHMARK(BM_Effect)->DenseRange(1, lw::kEffectCount)->UseManualTime()->Iterations(3)->Unit(benchmark::kMicrosecond);

// Keeps the console output and remembers every mean for the closing table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && !r.error_occurred) times[r.run_name.function_name + "/" + r.run_name.args] = r.GetAdjustedRealTime() * Unit(r);
  }
  static double Unit(const Run& r) { return r.time_unit == benchmark::kMicrosecond ? 1000 : r.time_unit == benchmark::kMillisecond ? 1e6 : 1; }
  std::map<std::string, double> times;  // nanoseconds per frame, by "function/args"
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto base = reporter.times.find("BM_FrameMemcpy/");
  if (base == reporter.times.end() || base->second <= 0) return 0;
  std::printf("\nOne frame at %dx%d, S = %d, against one full-frame memcpy (%.0f us)\n", kWidth, kHeight, kSteps,
              base->second / 1000);
  const char* kernels[] = {"blend, master alpha", "blend, pixel alpha", "stretch, nearest", "stretch, bilinear"};
  for (int k = 0; k < 4; ++k) {
    const auto it = reporter.times.find("BM_FrameKernel/" + std::to_string(k));
    if (it != reporter.times.end())
      std::printf("      %-34s %10.1f %7.2f\n", kernels[k], it->second / 1000, it->second / base->second);
  }
  std::printf("%4s  %-34s %10s %7s\n", "no.", "effect", "us/frame", "ratio");
  int over = 0;
  double worst = 0;
  for (int32_t n = 1; n <= lw::kEffectCount; ++n) {
    const auto it = reporter.times.find("BM_Effect/" + std::to_string(n));
    if (it == reporter.times.end()) continue;
    const double ratio = it->second / base->second;
    worst = std::max(worst, ratio);
    if (ratio > 4) ++over;
    std::printf("%4d  %-34s %10.1f %7.2f%s\n", n, lw::EffectName(n), it->second / 1000, ratio, ratio > 4 ? "  > 4" : "");
  }
  std::printf("worst ratio %.2f; %d effects above 4x\n", worst, over);
  return 0;
}
