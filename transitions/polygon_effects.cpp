#include "transitions/polygon_effects.h"

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "common/arith.h"
#include "transitions/families.h"
#include "transitions/shape_coords.h"
#include "transitions/trans_thread.h"
#include "transitions/transition_state.h"

namespace lw {
namespace {

struct Triangle {
  int64_t x1, y1, x2, y2, x3, y3;
};

Region Tri(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t x3, int64_t y3) {
  const Point a{Coord(x1), Coord(y1)};
  return Region::Polygon({a, {Coord(x2), Coord(y2)}, {Coord(x3), Coord(y3)}, a});
}

// The union of the triangles: the first starts the region, the others are
// added to it. Traced the same way round, triangles filled together with the
// winding rule give exactly that union, in one pass.
Region Union(const std::vector<Triangle>& tris) {
  std::vector<std::vector<Point>> polygons;
  for (const Triangle& t : tris) {
    Point a{Coord(t.x1), Coord(t.y1)}, b{Coord(t.x2), Coord(t.y2)}, c{Coord(t.x3), Coord(t.y3)};
    // Coordinates within the region space keep this product exact.
    const int64_t turn =
        (int64_t{b.x} - a.x) * (int64_t{c.y} - a.y) - (int64_t{b.y} - a.y) * (int64_t{c.x} - a.x);
    if (turn < 0) std::swap(b, c);
    polygons.push_back({a, b, c});
  }
  return Region::PolyPolygon(polygons);
}

}  // namespace

Region PolygonRegion(int32_t local, int32_t width, int32_t height, int32_t steps, int64_t& i) {
  const int64_t W = width, H = height, S = steps, W2 = W / 2, H2 = H / 2;
  const double s = static_cast<double>(S);
  // ceil(n / S) for an integer numerator, as the real quotient gives it.
  auto perStep = [s](int64_t n) { return Ceil(static_cast<double>(n) / s); };
  const int64_t u = perStep(i * W), v = perStep(i * H);
  const int64_t e = perStep(2 * i * W), f = perStep(2 * i * H);
  const int64_t P = perStep((W + H) * i), P1 = perStep((W + H) * (i - 1));
  // How far (W + H) i / S has run past `corner`.
  auto past = [&](int64_t corner) { return Ceil(static_cast<double>((W + H) * i) / s - corner); };
  const double di = static_cast<double>(i);

  switch (local) {
    case 1: return Tri(0, 0, 0, f, e, 0);
    case 2: return Tri(W, 0, W, f, W - e, 0);
    case 3: return Tri(W, H, W, H - f, W - e, H);
    case 4: return Tri(0, H, 0, H - f, e, H);
    case 5:
      return Union({{0, 0, W2, H2, u, 0}, {0, H, W2, H2, 0, H - v},
                    {W, H, W2, H2, W - u, H}, {W, 0, W2, H2, W, v}});
    case 6:
      return Union({{W, 0, W2, H2, W - u, 0}, {0, 0, W2, H2, 0, v},
                    {0, H, W2, H2, u, H}, {W, H, W2, H2, W, H - v}});
    case 7:
      if (di <= s / 4) return Tri(0, 0, W2, H2, Ceil(4 * di * W / s), 0);
      if (di <= s / 2) return Tri(W, 0, W2, H2, W, Ceil((di - s / 4) * 4 * H / s));
      if (di <= 3 * s / 4) return Tri(W, H, W2, H2, W - Ceil((di - s / 2) * 4 * W / s), H);
      return Tri(0, H, W2, H2, 0, H - Ceil((di - 3 * s / 4) * 4 * H / s));
    case 8:
      if (di <= s / 4) return Tri(0, 0, W2, H2, 0, Ceil(4 * di * H / s));
      if (di <= s / 2) return Tri(0, H, W2, H2, Ceil((di - s / 4) * 4 * W / s), H);
      if (di <= 3 * s / 4) return Tri(W, H, W2, H2, W, H - Ceil((di - s / 2) * 4 * H / s));
      return Tri(W, 0, W2, H2, W - Ceil((di - 3 * s / 4) * 4 * W / s), 0);
    case 9: {
      // The spike turns by the counter itself, in radians.
      const double c0 = std::cos(di), s0 = std::sin(di);
      const double c1 = std::cos(di + std::numbers::pi / 2), s1 = std::sin(di + std::numbers::pi / 2);
      return Tri(W2, H2, W2 + Round(c0 * di * H / s), H2 + Round(s0 * di * W / s),
                 W2 + Round(c1 * di * H / s), H2 + Round(s1 * di * W / s));
    }
    case 10: return Union({{0, 0, 0, H, u, H - v}, {W, H, W, 0, W - u, v}});
    case 11: {
      const int64_t T = Ceil(s / 2);
      if (i > T) i = S + 1;  // this frame closes the grid and is the last
      const int64_t a = Ceil(static_cast<double>(i * H) / T / 3);
      const int64_t b = Ceil(static_cast<double>(i * W) / T / 3);
      // The first triangle of the grid starts the region and is added again.
      std::vector<Triangle> tris{{0, 0, 0, a, b, 0}};
      for (int64_t j = 0; j <= 6; ++j) {
        for (int64_t k = 0; k <= 6; ++k) {
          const int64_t x = j * W / 6, y = k * H / 6;
          tris.push_back({x, y, x, y + a, x + b, y});
        }
      }
      return Union(tris);
    }
    case 12:
      if (W >= P) return Tri(0, 0, 0, H, P, 0);
      if (W >= P1) return Tri(0, 0, 0, H, W, 0);
      return Tri(W, 0, 0, H, W, past(W));
    case 13:
      if (H >= P) return Tri(W, H, 0, H, W, H - P);
      if (H >= P1) return Tri(0, H, W, H, W, 0);
      return Tri(W, 0, 0, H, W - past(H), 0);
    case 14:
      if (W >= P) return Tri(W, H, W, 0, W - P, H);
      if (W >= P1) return Tri(W, H, W, 0, 0, H);
      return Tri(0, H, W, 0, 0, H - past(W));
    case 15:
      if (H >= P) return Tri(0, 0, W, 0, 0, P);
      if (H >= P1) return Tri(W, 0, 0, 0, 0, H);
      return Tri(0, H, W, 0, past(H), H);
    case 16:
      return Union({{0, 0, 0, v, u, 0}, {W, 0, W, v, W - u, 0}, {W, H, W, H - v, W - u, H},
                    {0, H, 0, H - v, u, H}});
    case 17:
      return Union({{W2, H2, W2, H2 - v, W2 - u, H2}, {W2, H2, W2, H2 - v, W2 + u, H2},
                    {W2, H2, W2, H2 + v, W2 + u, H2}, {W2, H2, W2, H2 + v, W2 - u, H2}});
    case 18: return Union({{0, 0, 0, v, u, 0}, {W, H, W, H - v, W - u, H}});
    case 19: return Union({{W, 0, W, v, W - u, 0}, {0, H, 0, H - v, u, H}});
  }
  return Region();
}

void RunPolygonEffect(TTransThread& t, int32_t local) {
  const int32_t steps = StepCount;
  if (steps == 0) FailTransition();  // every shape grows by i / 0
  t.BeginRegionReveal();
  for (int64_t i = 0; !t.StopRequested() && i <= steps;) {
    t.StartFrame();
    const Region r = PolygonRegion(local, t.Width, t.Height, steps, i);
    t.RevealFrame(&r, true);
    ++i;
    t.FrameWait();
  }
}

}  // namespace lw
