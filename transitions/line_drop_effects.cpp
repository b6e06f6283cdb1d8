// Effects 65-68: one fold uncovers the new frame while the line of the new
// frame at its moving edge is stretched over the area not yet uncovered.
#include <algorithm>

#include "common/arith.h"
#include "transitions/families.h"
#include "transitions/part_table.h"
#include "transitions/tfold.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {

namespace {

using D = const Dims&;

struct LineDropRow {
  FoldInit (*fold)(D d);
  bool horizontal;  // the fold moves along x and the smeared line is a column
  bool forward;     // the smear covers from the edge to the far side, else from 0 to the edge
};

const LineDropRow kLineDropRows[4] = {
    // 65 Line Drop From Right
    {[](D d) { return FoldInit{0, 0, CeilQuot(d.W, d.S), d.H, Quot(d.W, d.S), 0, d.S}; }, true, true},
    // 66 Line Drop From Left
    {[](D d) { return FoldInit{d.W, 0, -CeilQuot(d.W, d.S), d.H, -Quot(d.W, d.S), 0, d.S}; }, true, false},
    // 67 Line Drop From Bottom
    {[](D d) { return FoldInit{0, 0, d.W, CeilQuot(d.H, d.S), 0, Quot(d.H, d.S), d.S}; }, false, true},
    // 68 Line Drop From Up
    {[](D d) { return FoldInit{0, d.H, d.W, -CeilQuot(d.H, d.S), 0, -Quot(d.H, d.S), d.S}; }, false, false},
};

// Stretches the line at `p` over the rest of the axis (forward) or over
// 0..p. The source line is kept inside the frame: on a frame narrower than
// half a step the edge rounds to the far border, one past the last line.
void PaintSmear(TTransThread& t, const LineDropRow& row, int64_t p) {
  const int64_t size = row.horizontal ? t.Width : t.Height;
  const int64_t lo = row.forward ? std::max<int64_t>(p, 0) : 0;
  const int64_t hi = row.forward ? size : std::min(p, size);
  if (hi <= lo) return;
  const int32_t line = I32(std::clamp<int64_t>(p, 0, size - 1));
  if (row.horizontal) {
    t.DstRect = Rect{I32(lo), 0, I32(hi), t.Height};
    t.SrcRect = Rect{line, 0, line + 1, t.Height};
  } else {
    t.DstRect = Rect{0, I32(lo), t.Width, I32(hi)};
    t.SrcRect = Rect{0, line, t.Width, line + 1};
  }
  t.PaintFromNew();
}

}  // namespace

void RunLineDropEffect(TTransThread& t, int32_t local) {
  if (local < 1 || local > 4) return;
  const LineDropRow& row = kLineDropRows[local - 1];
  const FoldInit f = row.fold(MakeDims(t.Width, t.Height, StepCount));
  TFold fold;
  fold.Init(I32(f.x0), I32(f.y0), I32(f.ex), I32(f.ey), I32(f.steps), f.dx, f.dy, t.NewImage);
  for (;;) {
    t.StartFrame();
    // The step that uses up the last step is left to the final paint.
    if (!fold.Step() || t.StopRequested()) break;
    fold.Paint(t);
    PaintSmear(t, row, Round(row.horizontal ? fold.X : fold.Y));
    t.FrameWait();
  }
}

}  // namespace lw
