// The unfold and line effects as folds, built from their table.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/bitmap.h"
#include "transitions/trans_thread.h"

namespace lw {

// Folds of unfold effect `local` (1..42) for the step count `steps`, in slot
// order; empty for a number outside the table.
std::vector<std::unique_ptr<TransitionPart>> MakeUnfoldParts(int32_t local, const Bitmap& newImage,
                                                             int32_t steps);

}  // namespace lw
