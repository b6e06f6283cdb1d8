// The slide effects as parts, built from their table; the part loop runs them.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/bitmap.h"
#include "transitions/trans_thread.h"

namespace lw {

// Parts of slide effect `local` (1..22) for the step count `steps`, slides in
// slot order then folds; empty for a number outside the table.
std::vector<std::unique_ptr<TransitionPart>> MakeSlideParts(int32_t local, const Bitmap& newImage,
                                                            const Bitmap& oldImage, int32_t steps);

}  // namespace lw
