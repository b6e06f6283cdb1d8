// Zoom In, Zoom From ..., Zoom Door Close and Quattro Zoom In: the new frame,
// or its halves or quarters, stretched into rectangles that grow from a point
// or an edge until they fill their places.
#include "transitions/zoom_effects.h"

#include <iterator>
#include <memory>

#include "transitions/families.h"
#include "transitions/transition_failure.h"
#include "transitions/transition_state.h"
#include "transitions/tzoom.h"

namespace lw {

namespace {

// A coordinate along one axis of length L, with integer halves and quarters.
enum class At : uint8_t { k0, kQuarter, kHalf, kThreeQuarters, kEnd };

int32_t Place(At a, int32_t L) {
  switch (a) {
    case At::k0: return 0;
    case At::kQuarter: return L / 4;
    case At::kHalf: return L / 2;
    case At::kThreeQuarters: return L / 2 + L / 4;
    case At::kEnd: return L;
  }
  return 0;
}

// An edge moves by `fraction` of L / S per step.
double Move(double fraction, int32_t L, int32_t S) { return Quot(fraction * L, S); }

struct ZoomRow {
  At x0, y0;
  At width0, height0;
  double dLeft, dTop, dRight, dBottom;  // in units of W / S (horizontal) and H / S (vertical)
  At srcLeft, srcTop, srcRight, srcBottom;
};

using enum At;

constexpr ZoomRow kZoomIn[] = {
    {kHalf, kHalf, k0, k0, -0.5, -0.5, 0.5, 0.5, k0, k0, kEnd, kEnd}};
constexpr ZoomRow kFromUpLeft[] = {{k0, k0, k0, k0, 0, 0, 1, 1, k0, k0, kEnd, kEnd}};
constexpr ZoomRow kFromUpRight[] = {{kEnd, k0, k0, k0, -1, 0, 0, 1, k0, k0, kEnd, kEnd}};
constexpr ZoomRow kFromBottomLeft[] = {{k0, kEnd, k0, k0, 0, -1, 1, 0, k0, k0, kEnd, kEnd}};
constexpr ZoomRow kFromBottomRight[] = {{kEnd, kEnd, k0, k0, -1, -1, 0, 0, k0, k0, kEnd, kEnd}};
constexpr ZoomRow kFromLeft[] = {{k0, k0, k0, kEnd, 0, 0, 1, 0, k0, k0, kEnd, kEnd}};
constexpr ZoomRow kFromUp[] = {{k0, k0, kEnd, k0, 0, 0, 0, 1, k0, k0, kEnd, kEnd}};
constexpr ZoomRow kFromRight[] = {{kEnd, k0, k0, kEnd, -1, 0, 0, 0, k0, k0, kEnd, kEnd}};
constexpr ZoomRow kFromBottom[] = {{k0, kEnd, kEnd, k0, 0, -1, 0, 0, k0, k0, kEnd, kEnd}};
constexpr ZoomRow kDoorHorizontal[] = {
    {k0, k0, k0, kEnd, 0, 0, 0.5, 0, k0, k0, kHalf, kEnd},
    {kEnd, k0, k0, kEnd, -0.5, 0, 0, 0, kHalf, k0, kEnd, kEnd}};
constexpr ZoomRow kDoorVertical[] = {
    {k0, k0, kEnd, k0, 0, 0, 0, 0.5, k0, k0, kEnd, kHalf},
    {k0, kEnd, kEnd, k0, 0, -0.5, 0, 0, k0, kHalf, kEnd, kEnd}};
constexpr ZoomRow kQuattro[] = {
    {kQuarter, kQuarter, k0, k0, -0.25, -0.25, 0.25, 0.25, k0, k0, kHalf, kHalf},
    {kThreeQuarters, kQuarter, k0, k0, -0.25, -0.25, 0.25, 0.25, kHalf, k0, kEnd, kHalf},
    {kQuarter, kThreeQuarters, k0, k0, -0.25, -0.25, 0.25, 0.25, k0, kHalf, kHalf, kEnd},
    {kThreeQuarters, kThreeQuarters, k0, k0, -0.25, -0.25, 0.25, 0.25, kHalf, kHalf, kEnd, kEnd}};

struct Effect {
  const ZoomRow* rows;
  size_t count;
};

template <size_t N>
constexpr Effect Rows(const ZoomRow (&rows)[N]) {
  return {rows, N};
}

constexpr Effect kEffects[] = {
    Rows(kZoomIn),        Rows(kFromUpLeft), Rows(kFromUpRight), Rows(kFromBottomLeft),
    Rows(kFromBottomRight), Rows(kFromLeft), Rows(kFromUp),      Rows(kFromRight),
    Rows(kFromBottom),    Rows(kDoorHorizontal), Rows(kDoorVertical), Rows(kQuattro)};

}  // namespace

std::vector<ZoomLayout> ZoomLayouts(int32_t local, int32_t W, int32_t H, int32_t S) {
  std::vector<ZoomLayout> out;
  if (local < 1 || local > static_cast<int32_t>(std::size(kEffects))) return out;
  const Effect& e = kEffects[local - 1];
  for (size_t i = 0; i < e.count; ++i) {
    const ZoomRow& r = e.rows[i];
    out.push_back({Place(r.x0, W), Place(r.y0, H), Place(r.width0, W), Place(r.height0, H),
                   Move(r.dLeft, W, S), Move(r.dTop, H, S), Move(r.dRight, W, S),
                   Move(r.dBottom, H, S),
                   Rect{Place(r.srcLeft, W), Place(r.srcTop, H), Place(r.srcRight, W),
                        Place(r.srcBottom, H)}});
  }
  return out;
}

void RunZoomEffect(TTransThread& t, int32_t local) {
  const int32_t S = StepCount.load();
  std::vector<std::unique_ptr<TransitionPart>> parts;
  for (const ZoomLayout& z : ZoomLayouts(local, t.Width, t.Height, S)) {
    auto zoom = std::make_unique<TZoom>();
    zoom->Init(z.x0, z.y0, z.width0, z.height0, S, z.dLeft, z.dTop, z.dRight, z.dBottom,
               z.source.left, z.source.top, z.source.right, z.source.bottom, t.NewImage);
    parts.push_back(std::move(zoom));
  }
  t.RunPartLoop(parts);
}

}  // namespace lw
