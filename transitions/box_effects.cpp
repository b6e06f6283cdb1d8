// Effects 69 and 70: a centred box with the frame's proportions grows over
// the old frame (Box Out) or shrinks inside the new one (Box In).
#include <algorithm>

#include "common/arith.h"
#include "gfx/copy.h"
#include "gfx/draw.h"
#include "transitions/families.h"
#include "transitions/part_table.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {

namespace {

struct BoxGeometry {
  int64_t d;     // change of the half-width per frame
  double ratio;  // H / W
};

// A step count above the width gives a step of one pixel; so does a negative
// one, which would otherwise move the box away from its end for ever.
BoxGeometry MakeBoxGeometry(const TTransThread& t) {
  int64_t d = Div(t.Width, StepCount);
  if (d < 1) d = 1;
  return BoxGeometry{d, Quot(t.Height, t.Width)};
}

// The box of half-width f, centred, cut to the frame.
Rect CentredBox(const TTransThread& t, int64_t f, double ratio) {
  const int64_t w2 = t.Width / 2, h2 = t.Height / 2;
  const int64_t g = Round(static_cast<double>(f) * ratio);
  const Rect box{I32(std::max<int64_t>(w2 - f, 0)), I32(std::max<int64_t>(h2 - g, 0)),
                 I32(std::min<int64_t>(w2 + f, t.Width)), I32(std::min<int64_t>(h2 + g, t.Height))};
  return box.IsEmpty() ? Rect{} : box;
}

// Copies the ring outer minus inner of `from` to the same place of `to`;
// inner lies inside outer or is empty.
void CopyRing(Bitmap& to, const Bitmap& from, const Rect& outer, const Rect& inner) {
  if (inner.IsEmpty()) {
    CopyRect(to, outer, from, outer);
    return;
  }
  const Rect pieces[] = {{outer.left, outer.top, outer.right, inner.top},
                         {outer.left, inner.bottom, outer.right, outer.bottom},
                         {outer.left, inner.top, inner.left, inner.bottom},
                         {inner.right, inner.top, outer.right, inner.bottom}};
  for (const Rect& r : pieces) CopyRect(to, r, from, r);
}

}  // namespace

void RunBoxOut(TTransThread& t) {
  const BoxGeometry geo = MakeBoxGeometry(t);
  const int64_t w2 = t.Width / 2;
  for (int64_t f = geo.d; f < w2 + geo.d && !t.StopRequested(); f += geo.d) {
    t.StartFrame();
    t.SrcRect = t.DstRect = CentredBox(t, f, geo.ratio);
    t.PaintFromNew();
    t.FrameWait();
  }
}

void RunBoxIn(TTransThread& t) {
  const BoxGeometry geo = MakeBoxGeometry(t);
  // WorkImage holds the new frame with the old one in the box. An opaque new
  // frame is drawn whole once; afterwards only the ring the box has left
  // changes. A blended new frame mixes with what WorkImage holds, so it is
  // drawn whole every frame.
  const bool opaque = t.NewImage.drawMode == DrawMode::kOpaque;
  Rect previous;
  bool first = true;
  for (int64_t f = t.Width / 2; f > 0 && !t.StopRequested(); f -= geo.d) {
    t.StartFrame();
    const Rect box = CentredBox(t, f, geo.ratio);
    if (!opaque || first) {
      Draw(t.WorkImage, 0, 0, t.NewImage);
      CopyRect(t.WorkImage, box, t.OldImage, box);
    } else {
      CopyRing(t.WorkImage, t.NewImage, previous, box);
    }
    previous = box;
    first = false;
    t.SrcRect = t.DstRect = Rect{0, 0, t.Width, t.Height};
    t.PaintFromWork();
    t.FrameWait();
  }
}

}  // namespace lw
