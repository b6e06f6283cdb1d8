// Geometry of the ellipse effects (71..76): the region each frame reveals.
#pragma once
#include <cstdint>
#include <optional>

#include "gfx/region.h"

namespace lw {

class EllipseShapes {
 public:
  // local is 1..6; steps must not be 0.
  EllipseShapes(int32_t local, int32_t width, int32_t height, int32_t steps);

  // The region of the frame with counter i, already combined with the frame
  // rectangle; none in the frames that build no shape.
  std::optional<Region> RegionAt(int64_t i) const;
  // True when the frame with counter i is the last one.
  bool LastFrame(int64_t i) const;

 private:
  int64_t Corner(int64_t i, int64_t size) const;

  int32_t local_;
  int64_t w_, h_, s_;
  int64_t k_, m_, m1_;
};

}  // namespace lw
