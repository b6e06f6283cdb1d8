// Effects 23-64: the new frame is uncovered in place by moving folds.
#include "transitions/unfold_effects.h"

#include <algorithm>

#include "common/arith.h"
#include "transitions/families.h"
#include "transitions/part_table.h"
#include "transitions/tfold.h"
#include "transitions/transition_state.h"

namespace lw {

namespace {

struct UnfoldRow {
  PartGroup<FoldInit> folds[4] = {};
};

using D = const Dims&;
using F = FoldInit;

// Strip sizes and speeds shared by many rows.
int64_t Cw(D d) { return CeilQuot(d.W, d.S); }
int64_t Ch(D d) { return CeilQuot(d.H, d.S); }
double Vw(D d) { return Quot(d.W, d.S); }
double Vh(D d) { return Quot(d.H, d.S); }
// Ten columns / bands.
int64_t A(D d, int64_t k) { return Round(Quot(k * d.W, 10)); }
int64_t B(D d, int64_t k) { return Round(Quot(k * d.H, 10)); }
int64_t C10(D d) { return CeilQuot(d.W, 10); }
int64_t R10(D d) { return CeilQuot(d.H, 10); }
// Passes of a comb; the cross lines take it from the height for both combs.
int64_t CombW(D d) { return std::min(d.S, d.W / 2); }
int64_t CombH(D d) { return std::min(d.S, d.H / 2); }
// Thirty-two lines.
int64_t H32(D d) { return CeilQuot(d.H, 32); }
int64_t W32(D d) { return CeilQuot(d.W, 32); }
// Sweeps and downloads.
int64_t SweepN(D d) { return std::max<int64_t>(4, d.S / 3); }
int64_t LoadN(D d) { return std::min(d.S / 4, d.H / 4); }

const UnfoldRow kUnfoldRows[42] = {
    // 23 Unfold From Left
    {{{1, [](D d, int32_t) { return F{0, 0, Cw(d), d.H, Vw(d), 0, d.S}; }}}},
    // 24 Unfold From Right
    {{{1, [](D d, int32_t) { return F{d.W, 0, -Cw(d), d.H, -Vw(d), 0, d.S + 1}; }}}},
    // 25 Unfold From Up
    {{{1, [](D d, int32_t) { return F{0, 0, d.W, Ch(d), 0, Vh(d), d.S}; }}}},
    // 26 Unfold From Bottom
    {{{1, [](D d, int32_t) { return F{0, d.H, d.W, -Ch(d), 0, -Vh(d), d.S + 1}; }}}},
    // 27 Unfold From Up Left: the two arms of an L whose corner runs diagonally.
    {{{1, [](D d, int32_t) { return F{0, -d.H, Cw(d), d.H, Vw(d), Vh(d), d.S}; }},
      {1, [](D d, int32_t) { return F{-d.W, 0, d.W + Cw(d), Ch(d), Vw(d), Vh(d), d.S}; }}}},
    // 28 Unfold From Up Right
    {{{1, [](D d, int32_t) { return F{d.W, -d.H, -Cw(d), d.H, -Vw(d), Vh(d), d.S + 1}; }},
      {1, [](D d, int32_t) { return F{2 * d.W, 0, -d.W - Cw(d), Ch(d), -Vw(d), Vh(d), d.S + 1}; }}}},
    // 29 Unfold From Bottom Right
    {{{1, [](D d, int32_t) { return F{d.W, 2 * d.H, -Cw(d), -d.H, -Vw(d), -Vh(d), d.S + 1}; }},
      {1, [](D d, int32_t) { return F{2 * d.W, d.H, -d.W - Cw(d), -Ch(d), -Vw(d), -Vh(d), d.S + 1}; }}}},
    // 30 Unfold From Bottom Left
    {{{1, [](D d, int32_t) { return F{0, 2 * d.H, Cw(d), -d.H, Vw(d), -Vh(d), d.S + 1}; }},
      {1, [](D d, int32_t) { return F{-d.W, d.H, d.W + Cw(d), -Ch(d), Vw(d), -Vh(d), d.S + 1}; }}}},
    // 31 Unfold From Both Sides
    {{{1, [](D d, int32_t) { return F{0, 0, CeilQuot(d.W, 2 * d.S), d.H, Quot(d.W, 2 * d.S), 0, d.S}; }},
      {1, [](D d, int32_t) { return F{d.W, 0, -CeilQuot(d.W, 2 * d.S), d.H, -Quot(d.W, 2 * d.S), 0, d.S + 1}; }}}},
    // 32 Unfold From Middle To Sides
    {{{1, [](D d, int32_t) { return F{d.W2, 0, CeilQuot(d.W, 2 * d.S), d.H, Quot(d.W, 2 * d.S), 0, d.S}; }},
      {1, [](D d, int32_t) { return F{d.W2, 0, -CeilQuot(d.W, 2 * d.S), d.H, -Quot(d.W, 2 * d.S), 0, d.S + 1}; }}}},
    // 33 Unfold From All Corners: each quarter enters from outside its corner.
    {{{1, [](D d, int32_t) {
         return F{-d.W2, -d.H2, d.W2, d.H2, Quot(d.W, 2 * d.S), Quot(d.H, 2 * d.S), d.S + 1};
       }},
      {1, [](D d, int32_t) {
         return F{d.W2 + d.W, d.H2 + d.H, -d.W2, -d.H2, -Quot(d.W, 2 * d.S), -Quot(d.H, 2 * d.S), d.S + 1};
       }},
      {1, [](D d, int32_t) {
         return F{d.W2 + d.W, -d.H2, -d.W2, d.H2, -Quot(d.W, 2 * d.S), Quot(d.H, 2 * d.S), d.S + 2};
       }},
      {1, [](D d, int32_t) {
         return F{-d.W2, d.H2 + d.H, d.W2, -d.H2, Quot(d.W, 2 * d.S), -Quot(d.H, 2 * d.S), d.S + 2};
       }}}},
    // 34 Unfolding Iris: the quarters from the left, top, right and bottom.
    {{{1, [](D d, int32_t) {
         return F{0, 0, CeilQuot(d.W, 2 * d.S), CeilQuot(d.H, 2), Quot(d.W, 2 * d.S), 0, d.S + 1};
       }},
      {1, [](D d, int32_t) {
         return F{d.W2, 0, CeilQuot(d.W, 2), CeilQuot(d.H, 2 * d.S), 0, Quot(d.H, 2 * d.S), d.S + 1};
       }},
      {1, [](D d, int32_t) {
         return F{d.W, d.H2, CeilQuot(d.W, 2 * d.S), CeilQuot(d.H, 2), -Quot(d.W, 2 * d.S), 0, d.S + 1};
       }},
      {1, [](D d, int32_t) {
         return F{0, d.H, CeilQuot(d.W, 2), CeilQuot(d.H, 2 * d.S), 0, -Quot(d.H, 2 * d.S), d.S + 1};
       }}}},
    // 35 Unfolding Vertical Jaws
    {{{10, [](D d, int32_t k) {
         return k % 2 == 0 ? F{A(d, k), 0, C10(d), Ch(d), 0, Vh(d), d.S}
                           : F{A(d, k), d.H, C10(d), -Ch(d), 0, -Vh(d), d.S + 1};
       }}}},
    // 36 Unfolding Falling Columns: each column starts half a frame higher.
    {{{10, [](D d, int32_t k) {
         return F{A(d, k), Round(-0.5 * d.H * k), C10(d), Ch(d), 0, Vh(d), d.S + k * (d.S / 2)};
       }}}},
    // 37 Unfolding Horizontal Jaws
    {{{10, [](D d, int32_t k) {
         return k % 2 == 0 ? F{0, B(d, k), Cw(d), R10(d), Vw(d), 0, d.S}
                           : F{d.W, B(d, k), -Cw(d), R10(d), -Vw(d), 0, d.S + 1};
       }}}},
    // 38 Unfolding Horizontal Columns
    {{{10, [](D d, int32_t k) {
         return F{Round(-0.5 * d.W * k), B(d, k), Cw(d), R10(d), Vw(d), 0, d.S + k * (d.S / 2)};
       }}}},
    // 39 Vertical Two Part Unfold
    {{{1, [](D d, int32_t) { return F{0, 0, d.W2, Ch(d), 0, Vh(d), d.S}; }},
      {1, [](D d, int32_t) { return F{d.W2, d.H, d.W, -Ch(d), 0, -Vh(d), d.S + 1}; }}}},
    // 40 Horizontal Two Part Unfold
    {{{1, [](D d, int32_t) { return F{0, 0, Cw(d), d.H2, Vw(d), 0, d.S}; }},
      {1, [](D d, int32_t) { return F{d.W, d.H2, -Cw(d), d.H, -Vw(d), 0, d.S + 1}; }}}},
    // 41 Unfolding Columns Horizontally: every band from both sides up to a diagonal.
    {{{10, [](D d, int32_t k) {
         return F{Round(-0.25 * d.W * k), k * d.H / 10, Ceil(Vw(d) + 1), R10(d), Vw(d), 0, Round(d.S + 0.15 * k * d.S)};
       }},
      {10, [](D d, int32_t k) {
         return F{Round(d.W + 0.25 * d.W * k), (10 - k) * d.H / 10, -Ceil(Vw(d) + 1), R10(d), -Vw(d), 0,
                  Round(d.S + 0.15 * k * d.S)};
       }}}},
    // 42 Unfolding Columns Vertically
    {{{10, [](D d, int32_t k) {
         return F{k * d.W / 10, Round(-0.25 * d.H * k), C10(d), Ceil(Vh(d) + 1), 0, Vh(d), Round(d.S + 0.15 * k * d.S)};
       }},
      {10, [](D d, int32_t k) {
         return F{(10 - k) * d.W / 10, Round(d.H + 0.25 * d.H * k), C10(d), -Ch(d), 0, -Vh(d),
                  Round(d.S + 0.15 * k * d.S)};
       }}}},
    // 43 Vertical Lines From Sides
    {{{1, [](D d, int32_t) { int64_t n = CombW(d); return F{0, 0, CeilQuot(d.W, 2 * n), d.H, Quot(d.W, n), 0, n}; }},
      {1, [](D d, int32_t) { int64_t n = CombW(d); return F{d.W, 0, -CeilQuot(d.W, 2 * n), d.H, -Quot(d.W, n), 0, n}; }}}},
    // 44 Horizontal Lines From Up & Bottom
    {{{1, [](D d, int32_t) { int64_t n = CombH(d); return F{0, 0, d.W, CeilQuot(d.H, 2 * n), 0, Quot(d.H, n), n}; }},
      {1, [](D d, int32_t) { int64_t n = CombH(d); return F{0, d.H, d.W, -CeilQuot(d.H, 2 * n), 0, -Quot(d.H, n), n}; }}}},
    // 45 Vertical Lines From Left & Back: the second comb enters when the first is done.
    {{{1, [](D d, int32_t) { int64_t n = CombW(d); return F{0, 0, CeilQuot(d.W, 2 * n), d.H, Quot(d.W, n), 0, n}; }},
      {1, [](D d, int32_t) {
         int64_t n = CombW(d);
         return F{2 * d.W, 0, -(CeilQuot(d.W, 2 * n) + 1), d.H, -Quot(d.W, n), 0, 2 * n};
       }}}},
    // 46 Horizontal Lines From Up & Back
    {{{1, [](D d, int32_t) { int64_t n = CombH(d); return F{0, 0, d.W, CeilQuot(d.H, 2 * n), 0, Quot(d.H, n), n}; }},
      {1, [](D d, int32_t) {
         int64_t n = CombH(d);
         return F{0, 2 * d.H, d.W, -(CeilQuot(d.H, 2 * n) + 1), 0, -Quot(d.H, n), 2 * n};
       }}}},
    // 47 Horizontal Lines From Left: odd bands one frame width behind.
    {{{32, [](D d, int32_t k) {
         return k % 2 == 0 ? F{0, k * H32(d), Cw(d), H32(d), Vw(d), 0, d.S}
                           : F{-d.W, k * H32(d), Cw(d), H32(d), Vw(d), 0, 2 * d.S};
       }}}},
    // 48 Horizontal Lines From Right
    {{{32, [](D d, int32_t k) {
         return k % 2 == 0 ? F{d.W, k * H32(d), -Cw(d), H32(d), -Vw(d), 0, d.S + 1}
                           : F{2 * d.W, k * H32(d), -Cw(d), H32(d), -Vw(d), 0, 2 * d.S + 1};
       }}}},
    // 49 Horizontal Lines From Left & Back
    {{{32, [](D d, int32_t k) {
         return k % 2 == 0 ? F{0, k * H32(d), Cw(d), H32(d), Vw(d), 0, d.S}
                           : F{2 * d.W, k * H32(d), -Cw(d), H32(d), -Vw(d), 0, 2 * d.S + 1};
       }}}},
    // 50 Horizontal Lines From Right & Back
    {{{32, [](D d, int32_t k) {
         return k % 2 == 0 ? F{d.W, k * H32(d), -Cw(d), H32(d), -Vw(d), 0, d.S + 1}
                           : F{-d.W, k * H32(d), Cw(d), H32(d), Vw(d), 0, 2 * d.S};
       }}}},
    // 51 Horizontal Lines From Both Sides
    {{{32, [](D d, int32_t k) {
         return k % 2 == 0 ? F{0, k * H32(d), Cw(d), H32(d), Vw(d), 0, d.S}
                           : F{d.W, k * H32(d), -Cw(d), H32(d), -Vw(d), 0, d.S + 1};
       }}}},
    // 52 Vertical Lines From Up: odd columns one frame height behind.
    {{{32, [](D d, int32_t k) {
         return k % 2 == 0 ? F{k * W32(d), 0, W32(d), Ch(d), 0, Vh(d), d.S}
                           : F{k * W32(d), -d.H, W32(d), Ch(d), 0, Vh(d), 2 * d.S};
       }}}},
    // 53 Vertical Lines From Bottom
    {{{32, [](D d, int32_t k) {
         return k % 2 == 0 ? F{k * W32(d), d.H, W32(d), -Ch(d), 0, -Vh(d), d.S + 1}
                           : F{k * W32(d), 2 * d.H, W32(d), -Ch(d), 0, -Vh(d), 2 * d.S + 1};
       }}}},
    // 54 Vertical Lines From Up & Back
    {{{32, [](D d, int32_t k) {
         return k % 2 == 0 ? F{k * W32(d), 0, W32(d), Ch(d), 0, Vh(d), d.S}
                           : F{k * W32(d), 2 * d.H, W32(d), -Ch(d), 0, -Vh(d), 2 * d.S + 1};
       }}}},
    // 55 Vertical Lines From Bottom & Back
    {{{32, [](D d, int32_t k) {
         return k % 2 == 0 ? F{k * W32(d), d.H, W32(d), -Ch(d), 0, -Vh(d), d.S + 1}
                           : F{k * W32(d), -d.H, W32(d), Ch(d), 0, Vh(d), 2 * d.S};
       }}}},
    // 56 Vertical Lines From Up & Bottom
    {{{32, [](D d, int32_t k) {
         return k % 2 == 0 ? F{k * W32(d), 0, W32(d), Ch(d), 0, Vh(d), d.S}
                           : F{k * W32(d), d.H, W32(d), -Ch(d), 0, -Vh(d), d.S + 1};
       }}}},
    // 57 Cross Lines From Bottom Left
    {{{1, [](D d, int32_t) { int64_t n = CombH(d); return F{0, 0, CeilQuot(d.W, 2 * n), d.H, Quot(d.W, n), 0, n}; }},
      {1, [](D d, int32_t) { int64_t n = CombH(d); return F{0, d.H - 1, d.W, -CeilQuot(d.H, 2 * n), 0, -Quot(d.H, n), n}; }},
      {1, [](D d, int32_t) {
         int64_t n = CombH(d);
         return F{0, -d.H - 1, d.W, CeilQuot(d.H, 2 * n) + 1, 0, Quot(d.H, n), 2 * n};
       }},
      {1, [](D d, int32_t) {
         int64_t n = CombH(d);
         return F{2 * d.W, 0, -(CeilQuot(d.W, 2 * n) + 1), d.H, -Quot(d.W, n), 0, 2 * n};
       }}}},
    // 58 Cross Lines From Up Left
    {{{1, [](D d, int32_t) { int64_t n = CombH(d); return F{0, 0, CeilQuot(d.W, 2 * n), d.H, Quot(d.W, n), 0, n}; }},
      {1, [](D d, int32_t) { int64_t n = CombH(d); return F{0, 0, d.W, CeilQuot(d.H, 2 * n), 0, Quot(d.H, n), n}; }},
      {1, [](D d, int32_t) {
         int64_t n = CombH(d);
         return F{0, 2 * d.H, d.W, -(CeilQuot(d.H, 2 * n) + 1), 0, -Quot(d.H, n), 2 * n};
       }},
      {1, [](D d, int32_t) {
         int64_t n = CombH(d);
         return F{2 * d.W, 0, -(CeilQuot(d.W, 2 * n) + 1), d.H, -Quot(d.W, n), 0, 2 * n};
       }}}},
    // 59 Cross Lines From Bottom Right
    {{{1, [](D d, int32_t) { int64_t n = CombH(d); return F{d.W - 1, 0, -CeilQuot(d.W, 2 * n), d.H, -Quot(d.W, n), 0, n}; }},
      {1, [](D d, int32_t) { int64_t n = CombH(d); return F{0, d.H - 1, d.W, -CeilQuot(d.H, 2 * n), 0, -Quot(d.H, n), n}; }},
      {1, [](D d, int32_t) {
         int64_t n = CombH(d);
         return F{0, -d.H - 1, d.W, CeilQuot(d.H, 2 * n) + 1, 0, Quot(d.H, n), 2 * n};
       }},
      {1, [](D d, int32_t) {
         int64_t n = CombH(d);
         return F{-d.W - 1, 0, CeilQuot(d.W, 2 * n) + 1, d.H, Quot(d.W, n), 0, 2 * n};
       }}}},
    // 60 Cross Lines From Up Right
    {{{1, [](D d, int32_t) { int64_t n = CombH(d); return F{d.W - 1, 0, -CeilQuot(d.W, 2 * n), d.H, -Quot(d.W, n), 0, n}; }},
      {1, [](D d, int32_t) { int64_t n = CombH(d); return F{0, 0, d.W, CeilQuot(d.H, 2 * n), 0, Quot(d.H, n), n}; }},
      {1, [](D d, int32_t) {
         int64_t n = CombH(d);
         return F{0, 2 * d.H, d.W, -(CeilQuot(d.H, 2 * n) + 1), 0, -Quot(d.H, n), 2 * n};
       }},
      {1, [](D d, int32_t) {
         int64_t n = CombH(d);
         return F{-d.W - 1, 0, CeilQuot(d.W, 2 * n) + 1, d.H, Quot(d.W, n), 0, 2 * n};
       }}}},
    // 61 Sweep From Left: column k enters after k passes, alternately down and up.
    {{{10, [](D d, int32_t k) {
         int64_t n = SweepN(d);
         return k % 2 == 0 ? F{A(d, k), -k * d.H, C10(d), CeilQuot(d.H, n), 0, Quot(d.H, n), (k + 1) * n}
                           : F{A(d, k), (k + 1) * d.H, C10(d), -CeilQuot(d.H, n), 0, -Quot(d.H, n), (k + 1) * n + 1};
       }}}},
    // 62 Sweep From Up
    {{{10, [](D d, int32_t k) {
         int64_t n = SweepN(d);
         return k % 2 == 0 ? F{-k * d.W, B(d, k), CeilQuot(d.W, n), R10(d), Quot(d.W, n), 0, (k + 1) * n}
                           : F{(k + 1) * d.W, B(d, k), -CeilQuot(d.W, n), R10(d), -Quot(d.W, n), 0, (k + 1) * n + 1};
       }}}},
    // 63 Download From Left: four comb passes, each offset by a tooth.
    {{{4, [](D d, int32_t k) {
         int64_t n = LoadN(d), c = CeilQuot(d.W, 4 * n);
         return F{k * c - k * d.W, 0, c, d.H, Quot(d.W, n), 0, (k + 1) * n};
       }}}},
    // 64 Download From Up
    {{{4, [](D d, int32_t k) {
         int64_t n = LoadN(d), c = CeilQuot(d.H, 4 * n);
         return F{0, k * c - k * d.H, d.W, c, 0, Quot(d.H, n), (k + 1) * n};
       }}}},
};

}  // namespace

std::vector<std::unique_ptr<TransitionPart>> MakeUnfoldParts(int32_t local, const Bitmap& newImage,
                                                             int32_t steps) {
  std::vector<std::unique_ptr<TransitionPart>> parts;
  if (local < 1 || local > 42) return parts;
  const Dims d = MakeDims(newImage.width, newImage.height, steps);
  ExpandGroups(kUnfoldRows[local - 1].folds, d, [&](const FoldInit& f) {
    auto fold = std::make_unique<TFold>();
    fold->Init(I32(f.x0), I32(f.y0), I32(f.ex), I32(f.ey), I32(f.steps), f.dx, f.dy, newImage);
    parts.push_back(std::move(fold));
  });
  return parts;
}

void RunUnfoldEffect(TTransThread& t, int32_t local) {
  auto parts = MakeUnfoldParts(local, t.NewImage, StepCount);
  t.RunPartLoop(parts);
}

}  // namespace lw
