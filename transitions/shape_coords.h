// Shared by the shape effects: their arithmetic runs in 64 bits and lands in
// region coordinates through one clamp, so no step count or frame size can
// overflow a rectangle.
#pragma once
#include <algorithm>
#include <cstdint>

#include "gfx/rect.h"
#include "gfx/region.h"

namespace lw {

inline int32_t Coord(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, -kRegionCoordLimit, kRegionCoordLimit));
}

inline Rect CoordRect(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  return Rect{Coord(left), Coord(top), Coord(right), Coord(bottom)};
}

}  // namespace lw
