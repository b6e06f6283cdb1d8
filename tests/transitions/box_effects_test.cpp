// Box Out and Box In run through the engine on a memory target.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/arith.h"
#include "gfx/copy.h"
#include "gfx/draw.h"
#include "gfx/memory_target.h"
#include "tests/transitions/test_doubles.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {
namespace {

class BoxEffects : public TransitionTest {};

TEST_F(BoxEffects, FrameCounts) {
  struct Case {
    int32_t w, h, steps, frames;
  } cases[] = {
      {800, 600, 4, 2},    // d = 200: half-widths 200, 400
      {800, 600, 32, 16},  // d = 25
      {801, 601, 4, 2},
      {800, 600, 3, 2},    // d = 266: the second box is wider than the frame
      {7, 5, 32, 3},       // S above W: one pixel per frame
      {40, 30, -4, 20},    // a negative count also moves one pixel per frame
  };
  for (int32_t effect : {69, 70}) {
    for (const auto& c : cases) {
      const EffectRun run = RunEffectOnMemory(effect, c.w, c.h, c.steps);
      EXPECT_EQ(run.waits, c.frames) << effect << " " << c.w << "x" << c.h << " S=" << c.steps;
      EXPECT_TRUE(FrameEquals(run.target, run.newFrame));
      EXPECT_TRUE(OutsideUntouched(run.target, c.w, c.h));
    }
  }
}

// True when `frame` shows `inside` within box and `outside` elsewhere.
bool ShowsBox(const Bitmap& frame, const Rect& box, const Bitmap& inside, const Bitmap& outside) {
  for (int32_t y = 0; y < inside.height; ++y)
    for (int32_t x = 0; x < inside.width; ++x) {
      const bool in = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
      if (frame.At(x, y) != (in ? inside : outside).At(x, y)) return false;
    }
  return true;
}

TEST_F(BoxEffects, BoxesKeepTheFrameProportions) {
  // 800 x 600 at S = 16: d = 50, g = Round(f * 0.75).
  const EffectRun out = RunEffectOnMemory(69, 800, 600, 16);
  ASSERT_EQ(out.waits, 8);
  EXPECT_TRUE(ShowsBox(out.frames[0], Rect{350, 262, 450, 338}, out.newFrame, out.oldFrame));  // f 50, g 38 (37.5)
  EXPECT_TRUE(ShowsBox(out.frames[2], Rect{250, 188, 550, 412}, out.newFrame, out.oldFrame));  // f 150, g 112 (112.5)

  const EffectRun in = RunEffectOnMemory(70, 800, 600, 16);
  ASSERT_EQ(in.waits, 8);
  EXPECT_TRUE(ShowsBox(in.frames[0], Rect{0, 0, 800, 600}, in.oldFrame, in.newFrame));       // f 400, g 300
  EXPECT_TRUE(ShowsBox(in.frames[1], Rect{50, 38, 750, 562}, in.oldFrame, in.newFrame));     // f 350, g 262 (262.5)
  EXPECT_TRUE(ShowsBox(in.frames[7], Rect{350, 262, 450, 338}, in.oldFrame, in.newFrame));   // f 50
}

TEST_F(BoxEffects, ZeroStepsEndWithoutTheFinalPaint) {
  for (int32_t effect : {69, 70}) {
    const EffectRun run = RunEffectOnMemory(effect, 40, 30, 0);
    EXPECT_EQ(run.waits, 0);
    EXPECT_TRUE(FrameEquals(run.target, run.oldFrame));
  }
}

}  // namespace
}  // namespace lw

namespace lw {
namespace {

// Keeps the whole target after every paint.
class ShootingTarget : public MemoryTarget {
 public:
  using MemoryTarget::MemoryTarget;
  void CopyRect(const Rect& dstRect, const Bitmap& src, const Rect& srcRect) override {
    MemoryTarget::CopyRect(dstRect, src, srcRect);
    shots.push_back(surface);
  }
  std::vector<Bitmap> shots;
};

TEST_F(BoxEffects, BoxInComposesEveryFrameAsNewFrameWithTheOldBox) {
  // Whatever shortcut the drawing takes, each frame must equal the plain
  // composition: the new frame drawn with its own mode over the previous
  // work, then the box of the old frame. A blended new frame mixes anew
  // each frame.
  struct Case {
    int32_t w, h, steps;
    DrawMode mode;
  } cases[] = {{41, 29, 8, DrawMode::kOpaque}, {2, 7, 4, DrawMode::kOpaque}, {41, 29, 8, DrawMode::kBlend}};
  for (const auto& c : cases) {
    Bitmap frame(c.w, c.h);
    for (size_t i = 0; i < frame.pixels.size(); ++i)
      frame.pixels[i] = static_cast<uint32_t>((i * 37) % 256) << 24 | static_cast<uint32_t>(i * 2654435761u & 0xFFFFFF);
    frame.drawMode = c.mode;
    ShootingTarget target(c.w, c.h);
    for (size_t i = 0; i < target.surface.pixels.size(); ++i) target.surface.pixels[i] = 0xFF000000u | static_cast<uint32_t>(i);
    const Bitmap old = target.surface;

    FakeMainThread ui;
    FakeClock clock;
    StepCount = c.steps;
    TransitionRunning = 1;
    TTransThread worker(70, 0, frame, target, clock, ui);
    worker.Execute();

    const int32_t w2 = c.w / 2, h2 = c.h / 2, d = std::max(c.w / c.steps, 1);
    const double r = static_cast<double>(c.h) / c.w;
    Bitmap work(c.w, c.h);
    size_t shot = 0;
    for (int32_t f = w2; f > 0; f -= d, ++shot) {
      const int32_t g = static_cast<int32_t>(Round(f * r));
      const Rect box{w2 - f, h2 - g, w2 + f, h2 + g};
      Draw(work, 0, 0, frame);
      CopyRect(work, box, old, box);
      ASSERT_LT(shot, target.shots.size());
      EXPECT_TRUE(FrameEquals(target.shots[shot], work)) << c.w << "x" << c.h << " frame " << shot;
    }
    // Then the final paint.
    EXPECT_EQ(target.shots.size(), shot + 1);
  }
}

}  // namespace
}  // namespace lw
