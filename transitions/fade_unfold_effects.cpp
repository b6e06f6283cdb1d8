// Fade Unfold From Left, Right, Up and Bottom: a fold uncovers the new frame
// behind a strip a tenth of the frame across in which the new frame dissolves
// in over the old one.
#include "transitions/fade_unfold_effects.h"

#include <memory>
#include <vector>

#include "transitions/families.h"
#include "transitions/tfold.h"
#include "transitions/tfoldfade.h"
#include "transitions/transition_failure.h"
#include "transitions/transition_state.h"

namespace lw {

bool LayFadeUnfold(int32_t local, int32_t W, int32_t H, int32_t S, FadeUnfoldLayout& out) {
  const double mx = Quot(W, S), my = Quot(H, S);
  const int32_t cw = CeilPx(mx), ch = CeilPx(my);
  const int32_t sw = CeilPx(0.1 * W), sh = CeilPx(0.1 * H);
  switch (local) {
    case 1:  // from the left
      out = {{0, 0, cw, H, mx, 0, S}, {cw, 0, sw, H, mx, 0, S}, 1};
      return true;
    case 2:  // from the right
      out = {{W, 0, -cw, H, -mx, 0, S + 1}, {W - cw - sw, 0, sw, H, -mx, 0, S}, 2};
      return true;
    case 3:  // from the top
      out = {{0, 0, W, ch, 0, my, S}, {0, ch, W, sh, 0, my, S}, 3};
      return true;
    case 4:  // from the bottom
      out = {{0, H, W, -ch, 0, -my, S + 1}, {0, H - ch - sh, W, sh, 0, -my, S}, 4};
      return true;
  }
  return false;
}

namespace {

// The strip follows its fold and ends with it: only the fold's steps decide
// how many frames the effect runs.
class Trailing : public TransitionPart {
 public:
  explicit Trailing(std::unique_ptr<TransitionPart> part) : part_(std::move(part)) {}
  bool Step() override {
    part_->Step();
    return false;
  }
  void Paint(TTransThread& t) override { part_->Paint(t); }

 private:
  std::unique_ptr<TransitionPart> part_;
};

}  // namespace

void RunFadeUnfoldEffect(TTransThread& t, int32_t local) {
  const int32_t S = StepCount.load();
  FadeUnfoldLayout lay;
  if (!LayFadeUnfold(local, t.Width, t.Height, S, lay)) return;

  auto fold = std::make_unique<TFold>();
  const FoldMotion& f = lay.fold;
  fold->Init(f.x0, f.y0, f.ex, f.ey, f.steps, f.dx, f.dy, t.NewImage);
  auto strip = std::make_unique<TFoldFade>();
  const FoldMotion& s = lay.strip;
  strip->Init(s.x0, s.y0, s.ex, s.ey, s.steps, s.dx, s.dy, t.NewImage, t.OldImage, lay.gradient);

  std::vector<std::unique_ptr<TransitionPart>> parts;
  parts.push_back(std::move(fold));
  parts.push_back(std::make_unique<Trailing>(std::move(strip)));
  t.RunPartLoop(parts);
}

}  // namespace lw
