// Effects 1-22: pieces of the new frame (or, for the door opening, of the old
// one) slide into or out of their places.
#include "transitions/slide_effects.h"

#include <algorithm>

#include "common/arith.h"
#include "transitions/families.h"
#include "transitions/part_table.h"
#include "transitions/transition_state.h"
#include "transitions/tfold.h"
#include "transitions/tslide.h"

namespace lw {

namespace {

// Resting rectangle (left, top, right, bottom) / start offset (x0, y0) /
// offset change per step (dx, dy) / steps; `old` carries the old frame.
struct SlideInit {
  int64_t left, top, right, bottom;
  int64_t x0, y0;
  double dx, dy;
  int64_t steps;
  bool old = false;
};

struct SlideRow {
  PartGroup<SlideInit> slides[4] = {};
  PartGroup<FoldInit> folds[2] = {};
};

using D = const Dims&;

// Column and band boundaries of the ten-piece effects, k = 0..10.
int64_t Col(D d, int64_t k) { return k * d.W / 10; }
int64_t Band(D d, int64_t k) { return k * d.H / 10; }
// Extra steps per staggered piece.
int64_t Quarter(D d) { return d.S / 4; }

const SlideRow kSlideRows[22] = {
    // 1 Slide From Up Left
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W, d.H, -d.W, -d.H, Quot(d.W, d.S), Quot(d.H, d.S), d.S}; }}}},
    // 2 Slide From Up Right
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W, d.H, d.W, -d.H, -Quot(d.W, d.S), Quot(d.H, d.S), d.S}; }}}},
    // 3 Slide From Bottom Right
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W, d.H, d.W, d.H, -Quot(d.W, d.S), -Quot(d.H, d.S), d.S}; }}}},
    // 4 Slide From Bottom Left
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W, d.H, -d.W, d.H, Quot(d.W, d.S), -Quot(d.H, d.S), d.S}; }}}},
    // 5 Slide From Left
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W, d.H, -d.W, 0, Quot(d.W, d.S), 0, d.S}; }}}},
    // 6 Slide From Right
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W, d.H, d.W, 0, -Quot(d.W, d.S), 0, d.S}; }}}},
    // 7 Slide From Bottom
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W, d.H, 0, d.H, 0, -Quot(d.H, d.S), d.S}; }}}},
    // 8 Slide From Up
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W, d.H, 0, -d.H, 0, Quot(d.H, d.S), d.S}; }}}},
    // 9 Door Close
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W2, d.H, -d.W2, 0, Quot(d.W, 2 * d.S), 0, d.S}; }},
      {1, [](D d, int32_t) { return SlideInit{d.W2, 0, d.W, d.H, d.W2, 0, -Quot(d.W, 2 * d.S), 0, d.S}; }}}},
    // 10 Door Open: the old halves move apart; two folds fill the gap behind them.
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W2, d.H, Round(Quot(d.W, 2 * d.S)), 0, -Quot(d.W, 2 * d.S), 0, d.S, true}; }},
      {1, [](D d, int32_t) { return SlideInit{d.W2, 0, d.W, d.H, Round(-Quot(d.W, 2 * d.S)), 0, Quot(d.W, 2 * d.S), 0, d.S, true}; }}},
     {{1, [](D d, int32_t) { return FoldInit{d.W2 - 1, 0, CeilQuot(d.W, 2 * d.S), d.H, Quot(d.W, 2 * d.S), 0, d.S}; }},
      {1, [](D d, int32_t) { return FoldInit{d.W2 + 1, 0, -CeilQuot(d.W, 2 * d.S), d.H, -Quot(d.W, 2 * d.S), 0, d.S + 1}; }}}},
    // 11 Close From Corners
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W2, d.H2, -d.W2, -d.H2, Quot(d.W, 2 * d.S), Quot(d.H, 2 * d.S), d.S}; }},
      {1, [](D d, int32_t) { return SlideInit{d.W2, 0, d.W, d.H2, d.W2, -d.H2, -Quot(d.W, 2 * d.S), Quot(d.H, 2 * d.S), d.S}; }},
      {1, [](D d, int32_t) { return SlideInit{0, d.H2, d.W2, d.H, -d.W2, d.H2, Quot(d.W, 2 * d.S), -Quot(d.H, 2 * d.S), d.S}; }},
      {1, [](D d, int32_t) { return SlideInit{d.W2, d.H2, d.W, d.H, d.W2, d.H2, -Quot(d.W, 2 * d.S), -Quot(d.H, 2 * d.S), d.S}; }}}},
    // 12 Iris Close
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W2, d.H2, -d.W2, 0, Quot(d.W, 2 * d.S), 0, d.S}; }},
      {1, [](D d, int32_t) { return SlideInit{d.W2, 0, d.W, d.H2, 0, -d.H2, 0, Quot(d.H, 2 * d.S), d.S}; }},
      {1, [](D d, int32_t) { return SlideInit{0, d.H2, d.W2, d.H, 0, d.H2, 0, -Quot(d.H, 2 * d.S), d.S}; }},
      {1, [](D d, int32_t) { return SlideInit{d.W2, d.H2, d.W, d.H, d.W2, 0, -Quot(d.W, 2 * d.S), 0, d.S}; }}}},
    // 13 Sliding Jaws Vertical: even columns from above, then odd ones from below.
    {{{5, [](D d, int32_t m) { return SlideInit{Col(d, 2 * m), 0, Col(d, 2 * m + 1), d.H, 0, -d.H, 0, Quot(d.H, d.S), d.S}; }},
      {5, [](D d, int32_t m) { return SlideInit{Col(d, 2 * m + 1), 0, Col(d, 2 * m + 2), d.H, 0, d.H, 0, -Quot(d.H, d.S), d.S}; }}}},
    // 14 Falling Columns
    {{{10, [](D d, int32_t k) {
         return SlideInit{Col(d, k), 0, Col(d, k + 1), d.H, 0, Round(-d.H - 0.25 * d.H * k), 0, Quot(d.H, d.S), d.S + k * Quarter(d)};
       }}}},
    // 15 Sliding Jaws Horizontal: even bands from the left, then odd ones from the right.
    {{{5, [](D d, int32_t m) { return SlideInit{0, Band(d, 2 * m), d.W, Band(d, 2 * m + 1), -d.W, 0, Quot(d.W, d.S), 0, d.S}; }},
      {5, [](D d, int32_t m) { return SlideInit{0, Band(d, 2 * m + 1), d.W, Band(d, 2 * m + 2), d.W, 0, -Quot(d.W, d.S), 0, d.S}; }}}},
    // 16 Sliding Columns
    {{{10, [](D d, int32_t k) {
         return SlideInit{0, Band(d, k), d.W, Band(d, k + 1), Round(-d.W - 0.25 * d.W * k), 0, Quot(d.W, d.S), 0, d.S + k * Quarter(d)};
       }}}},
    // 17 Vertical Two Part Slide
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W2, d.H, 0, -d.H, 0, Quot(d.H, d.S), d.S}; }},
      {1, [](D d, int32_t) { return SlideInit{d.W2, 0, d.W, d.H, 0, d.H, 0, -Quot(d.H, d.S), d.S}; }}}},
    // 18 Horizontal Two Part Slide
    {{{1, [](D d, int32_t) { return SlideInit{0, 0, d.W, d.H2, -d.W, 0, Quot(d.W, d.S), 0, d.S}; }},
      {1, [](D d, int32_t) { return SlideInit{0, d.H2, d.W, d.H, d.W, 0, -Quot(d.W, d.S), 0, d.S}; }}}},
    // 19 Sliding Columns From Sides: each band cut at a diagonal, left parts
    // from the left, right parts (bottom band first) from the right.
    {{{10, [](D d, int32_t k) {
         return SlideInit{0, Band(d, k), Round(d.W - 0.1 * k * d.W), Band(d, k + 1), Round(-d.W - 0.25 * d.W * k), 0,
                          Quot(d.W, d.S), 0, d.S + k * Quarter(d)};
       }},
      {10, [](D d, int32_t m) {
         return SlideInit{Round(0.1 * (m + 1) * d.W), Band(d, 9 - m), d.W, Band(d, 10 - m), Round(d.W + 0.25 * d.W * m), 0,
                          -Quot(d.W, d.S), 0, d.S + m * Quarter(d)};
       }}}},
    // 20 Sliding Columns From Up & Bottom: the lower part of each column
    // starts one row above the end of the upper part. On frames a few pixels
    // high that row would lie above the frame; it is kept inside.
    {{{10, [](D d, int32_t k) {
         return SlideInit{Col(d, k), 0, Col(d, k + 1), Round(d.H - 0.1 * k * d.H), 0, Round(-d.H - 0.25 * d.H * k), 0,
                          Quot(d.H, d.S), d.S + k * Quarter(d)};
       }},
      {10, [](D d, int32_t m) {
         return SlideInit{Col(d, 9 - m), std::max<int64_t>(0, Round(0.1 * (m + 1) * d.H) - 1), Col(d, 10 - m), d.H, 0,
                          Round(d.H + 0.25 * d.H * m), 0, -Quot(d.H, d.S), d.S + m * Quarter(d)};
       }}}},
    // 21 Blinds Slide Right
    {{{10, [](D d, int32_t k) {
         return SlideInit{Col(d, k), 0, Col(d, k + 1), d.H, -CeilQuot(d.W, 10), 0, Quot(d.W, 10 * d.S), 0, d.S};
       }}}},
    // 22 Blinds Slide Left
    {{{10, [](D d, int32_t k) {
         return SlideInit{Col(d, k), 0, Col(d, k + 1), d.H, CeilQuot(d.W, 10), 0, -Quot(d.W, 10 * d.S), 0, d.S};
       }}}},
};

}  // namespace

std::vector<std::unique_ptr<TransitionPart>> MakeSlideParts(int32_t local, const Bitmap& newImage,
                                                            const Bitmap& oldImage, int32_t steps) {
  std::vector<std::unique_ptr<TransitionPart>> parts;
  if (local < 1 || local > 22) return parts;
  const SlideRow& row = kSlideRows[local - 1];
  const Dims d = MakeDims(newImage.width, newImage.height, steps);
  ExpandGroups(row.slides, d, [&](const SlideInit& s) {
    auto slide = std::make_unique<TSlide>();
    slide->Init(I32(s.x0), I32(s.y0), I32(s.steps), s.dx, s.dy, I32(s.left), I32(s.top), I32(s.right),
                I32(s.bottom), s.old ? oldImage : newImage);
    parts.push_back(std::move(slide));
  });
  ExpandGroups(row.folds, d, [&](const FoldInit& f) {
    auto fold = std::make_unique<TFold>();
    fold->Init(I32(f.x0), I32(f.y0), I32(f.ex), I32(f.ey), I32(f.steps), f.dx, f.dy, newImage);
    parts.push_back(std::move(fold));
  });
  return parts;
}

void RunSlideEffect(TTransThread& t, int32_t local) {
  auto parts = MakeSlideParts(local, t.NewImage, t.OldImage, StepCount);
  t.RunPartLoop(parts);
}

}  // namespace lw
