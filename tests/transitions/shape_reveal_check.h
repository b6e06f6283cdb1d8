// Checks a shape effect's run frame by frame against its regions: each frame
// must show the new picture exactly inside the union of the regions so far
// and the old picture elsewhere.
#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "gfx/region.h"
#include "tests/transitions/test_doubles.h"

namespace lw {

inline void ExpectFramesRevealRegions(const EffectRun& run,
                                      const std::vector<std::optional<Region>>& regions) {
  ASSERT_EQ(run.waits, static_cast<int32_t>(regions.size()));
  Bitmap expected = run.oldFrame;
  for (size_t k = 0; k < regions.size(); ++k) {
    if (regions[k]) CopyThroughRegion(expected, run.newFrame, *regions[k], expected.BoundsRect());
    EXPECT_TRUE(FrameEquals(run.frames[k], expected)) << "frame " << k;
  }
  EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
  EXPECT_TRUE(OutsideUntouched(run.target, run.newFrame.width, run.newFrame.height));
}

}  // namespace lw
