// The entry of every transition: from what the target shows now to `frame`.
#pragma once
#include <cstdint>

#include "common/clock.h"
#include "common/main_thread.h"
#include "gfx/bitmap.h"
#include "gfx/paint_target.h"

namespace lw {

// Called on the UI thread. Effect 0 copies the frame at once; any other
// number starts a worker (numbers outside 1..120 run a random effect) and
// publishes it in CurrentTransition, where the caller may attach OnTerminate
// before it next processes messages. With `wait` the call processes the UI
// thread's pending work until the transition has ended.
void RunTransition(PaintTarget& target, const Bitmap& frame, int32_t effect, bool wait, int32_t steps,
                   int32_t framePeriod, Clock& clock, MainThread& mainThread);

}  // namespace lw
