// Geometry of the polygon shape effects (77..95): the region each frame reveals.
#pragma once
#include <cstdint>

#include "gfx/region.h"

namespace lw {

// The region of effect `local` (1..19) for counter i on a width x height
// frame with `steps` (positive) steps. Effect 87 may move the counter on
// (its last frame jumps to steps + 1), so i is updated in place.
Region PolygonRegion(int32_t local, int32_t width, int32_t height, int32_t steps, int64_t& i);

}  // namespace lw
