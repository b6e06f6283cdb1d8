#include "transitions/trans_thread.h"

#include <cstdlib>

#include "common/random.h"
#include "gfx/copy.h"
#include "gfx/region.h"
#include "transitions/families.h"
#include "transitions/transition_state.h"

namespace lw {

TTransThread::TTransThread(int32_t effect, int32_t framePeriod, const Bitmap& frame, PaintTarget& target,
                           Clock& clock, MainThread& mainThread)
    : EffectNumber(effect),
      NewImage(frame),
      Target(target),
      FramePeriod(framePeriod),
      Width(frame.width),
      Height(frame.height),
      clock(clock),
      mainThread(mainThread) {
  OldImage.SetSize(Width, Height);
  Target.Snapshot(OldImage);
  WorkImage.SetSize(Width, Height);
}

TTransThread::~TTransThread() {
  if (worker_.joinable()) worker_.join();
}

void TTransThread::Start() {
  worker_ = std::thread([this] {
    Draw();
    // Posted before the running state is cleared: whoever waits for
    // TransitionRunning to fall finds the finishing call already queued.
    mainThread.Post([this] { Finish(); });
    Release();
  });
}

void TTransThread::Execute() {
  Draw();
  Release();
}

void TTransThread::Draw() {
  try {
    if (EffectNumber < 0 || EffectNumber > 120) EffectNumber = 1 + Random(120);
    SrcRect = DstRect = Rect{};
    Dispatch();
    if (!SkipFinalPaint) {
      SrcRect = DstRect = Rect{0, 0, Width, Height};
      PaintFromNew();
    }
  } catch (...) {
    // A failed transition ends where it failed, without the final paint.
  }
}

void TTransThread::Release() {
  NewImage = Bitmap();
  OldImage = Bitmap();
  WorkImage = Bitmap();
  CurrentTransition = nullptr;
  TransitionRunning = 0;
}

void TTransThread::Finish() {
  if (worker_.joinable()) worker_.join();
  std::function<void()> handler = std::move(OnTerminate);
  delete this;
  if (handler) handler();
}

void TTransThread::Dispatch() {
  const int32_t e = EffectNumber;
  if (e >= 1 && e <= 22) RunSlideEffect(*this, e);
  else if (e >= 23 && e <= 64) RunUnfoldEffect(*this, e - 22);
  else if (e >= 65 && e <= 68) RunLineDropEffect(*this, e - 64);
  else if (e == 69) RunBoxOut(*this);
  else if (e == 70) RunBoxIn(*this);
  else if (e >= 71 && e <= 76) RunEllipseEffect(*this, e - 70);
  else if (e >= 77 && e <= 95) RunPolygonEffect(*this, e - 76);
  else if (e >= 96 && e <= 100) RunRandomPatternEffect(*this, e - 95);
  else if (e >= 101 && e <= 102) RunSweepEffect(*this, e - 100);
  else if (e >= 103 && e <= 114) RunZoomEffect(*this, e - 102);
  else if (e >= 115 && e <= 116) RunWholeFadeEffect(*this, e - 114);
  else if (e >= 117 && e <= 120) RunFadeUnfoldEffect(*this, e - 116);
}

void TTransThread::Paint(const Bitmap& from) {
  mainThread.RunSync([this, &from] { Target.CopyRect(DstRect, from, SrcRect); });
}

void TTransThread::PaintFromNew() { Paint(NewImage); }
void TTransThread::PaintFromOld() { Paint(OldImage); }
void TTransThread::PaintFromWork() { Paint(WorkImage); }

void TTransThread::StartFrame() { FrameStartTick = clock.TickCount(); }

void TTransThread::FrameWait() {
  // min(FramePeriod, 1) ms per nap; a negative period must not become a huge sleep.
  const uint32_t nap = FramePeriod >= 1 ? 1 : 0;
  for (;;) {
    clock.Sleep(nap);
    // Signed 32-bit difference: a wrapped tick counter cannot stretch the wait.
    const int32_t diff = static_cast<int32_t>(clock.TickCount() - FrameStartTick.load());
    if (std::llabs(static_cast<int64_t>(diff)) >= FramePeriod || StopRequested()) return;
  }
}

bool TTransThread::StopRequested() const { return AbortRequested != 0 || SkipRequested != 0; }

void TTransThread::RunPartLoop(std::vector<std::unique_ptr<TransitionPart>>& parts) {
  for (;;) {
    StartFrame();
    bool more = false;
    for (auto& part : parts) {
      if (!part) break;
      if (part->Step()) more = true;
      part->Paint(*this);
    }
    if (!more || StopRequested()) break;
    FrameWait();
  }
  parts.clear();
}

void TTransThread::BeginRegionReveal() { CopyRect(WorkImage, WorkImage.BoundsRect(), OldImage, OldImage.BoundsRect()); }

void TTransThread::RevealFrame(const Region* region, bool clipBoxCopy) {
  if (region) {
    const Rect box = clipBoxCopy ? region->ClipBox() : Rect{0, 0, Width, Height};
    CopyThroughRegion(WorkImage, NewImage, *region, box);
  }
  SrcRect = DstRect = Rect{0, 0, Width, Height};
  PaintFromWork();
}

}  // namespace lw
