// The transition worker: draws one transition from what the target shows to a
// new frame, frame by frame, on its own thread. Every paint is handed to the
// UI thread synchronously; the effect families below use only the services of
// this class.
//
// Writing a family routine:
// - Read Width, Height, FramePeriod, StepCount (transitions/transition_state.h)
//   and the three images; set SrcRect/DstRect, then PaintFromNew/Old/Work.
// - Per frame: StartFrame(), draw, then leave the loop when StopRequested(),
//   otherwise FrameWait(). Or build TransitionParts and call RunPartLoop, or
//   use BeginRegionReveal/RevealFrame for shapes.
// - Silent failure: where the arithmetic has no defined result (a division by
//   a step count of 0, a strip one pixel wide, ...) throw TransitionFailure,
//   best through the checked helpers Quot, Div, Rem, RoundPx and CeilPx of
//   transitions/transition_failure.h. Execute catches it and ends the
//   transition there without the final paint, exactly as a failure should end.
//   Never let undefined behaviour happen instead.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "common/clock.h"
#include "common/main_thread.h"
#include "gfx/bitmap.h"
#include "gfx/paint_target.h"
#include "transitions/transition_failure.h"

namespace lw {

class Region;
class TransitionPart;

class TTransThread {
 public:
  // Snapshots the target into OldImage on the calling thread; does not start.
  TTransThread(int32_t effect, int32_t framePeriod, const Bitmap& frame, PaintTarget& target,
               Clock& clock, MainThread& mainThread);
  ~TTransThread();

  int32_t EffectNumber;
  Bitmap NewImage;
  Bitmap OldImage;
  Bitmap WorkImage;
  PaintTarget& Target;
  int32_t FramePeriod;
  int32_t Width, Height;
  Rect SrcRect, DstRect;

  // Runs on the UI thread after the worker has cleared TransitionRunning and
  // CurrentTransition. Attach before the UI thread next processes messages.
  std::function<void()> OnTerminate;

  // Starts Execute on a thread of its own. The worker then frees itself: when
  // the body has returned, a call posted to the UI thread joins the thread,
  // deletes the worker and runs OnTerminate.
  void Start();

  // The thread body; public so tests can run a worker inline.
  void Execute();

  // Paint services: copy SrcRect of the image to DstRect of Target, on the UI thread.
  void PaintFromNew();
  void PaintFromOld();
  void PaintFromWork();

  // Frame clock: marks the start of a frame (FrameStartTick := tick count).
  void StartFrame();
  // Frame-spacing wait after a frame's paints.
  void FrameWait();
  // True when AbortRequested or SkipRequested is set.
  bool StopRequested() const;

  // Part loop: Step and paint every part in slot order per frame, until no part
  // has steps left or a stop is requested.
  void RunPartLoop(std::vector<std::unique_ptr<TransitionPart>>& parts);

  // Region reveal. Begin draws OldImage into WorkImage; each frame copies the
  // new frame through the region (if any) into WorkImage, within the region's
  // clip box when clipBoxCopy is set and within (0, 0, W, H) otherwise, then
  // paints the whole WorkImage.
  void BeginRegionReveal();
  void RevealFrame(const Region* region, bool clipBoxCopy);

  Clock& clock;
  MainThread& mainThread;

 private:
  void Paint(const Bitmap& from);
  void Dispatch();
  void Draw();     // everything up to the final paint; failures end it quietly
  void Release();  // images freed, running state cleared
  void Finish();   // on the UI thread, after the body has returned

  std::thread worker_;
};

// One moving piece of a transition (slides, folds, zooms).
class TransitionPart {
 public:
  virtual ~TransitionPart() = default;
  // Advances one step; true while steps remain.
  virtual bool Step() = 0;
  // Paints the result of the last Step through the worker's paint services.
  virtual void Paint(TTransThread& t) = 0;
};

}  // namespace lw
