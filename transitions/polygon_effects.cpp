#include "transitions/polygon_effects.h"

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

#include "common/arith.h"
#include "transitions/shape_coords.h"

namespace lw {
namespace {

Region Tri(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t x3, int64_t y3) {
  const Point a{Coord(x1), Coord(y1)};
  return Region::Polygon({a, {Coord(x2), Coord(y2)}, {Coord(x3), Coord(y3)}, a});
}

// Adds the triangles in the order given: the first one starts the region.
Region Union(std::initializer_list<Region> parts) {
  Region r;
  for (const Region& part : parts) r = Region::Combine(r, part, CombineMode::kOr);
  return r;
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
      return Union({Tri(0, 0, W2, H2, u, 0), Tri(0, H, W2, H2, 0, H - v),
                    Tri(W, H, W2, H2, W - u, H), Tri(W, 0, W2, H2, W, v)});
    case 6:
      return Union({Tri(W, 0, W2, H2, W - u, 0), Tri(0, 0, W2, H2, 0, v),
                    Tri(0, H, W2, H2, u, H), Tri(W, H, W2, H2, W, H - v)});
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
    case 10: return Union({Tri(0, 0, 0, H, u, H - v), Tri(W, H, W, 0, W - u, v)});
    case 11: {
      const int64_t T = Ceil(s / 2);
      if (i > T) i = S + 1;  // this frame closes the grid and is the last
      const int64_t a = Ceil(static_cast<double>(i * H) / T / 3);
      const int64_t b = Ceil(static_cast<double>(i * W) / T / 3);
      // The first triangle of the grid starts the region and is added again.
      // All the triangles wind the same way, so one winding fill of them all
      // is their union.
      std::vector<std::vector<Point>> tris;
      auto add = [&](int64_t x, int64_t y) {
        const Point p{Coord(x), Coord(y)};
        tris.push_back({p, {Coord(x), Coord(y + a)}, {Coord(x + b), Coord(y)}, p});
      };
      add(0, 0);
      for (int64_t j = 0; j <= 6; ++j) {
        for (int64_t k = 0; k <= 6; ++k) add(j * W / 6, k * H / 6);
      }
      return Region::PolyPolygon(tris);
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
      return Union({Tri(0, 0, 0, v, u, 0), Tri(W, 0, W, v, W - u, 0), Tri(W, H, W, H - v, W - u, H),
                    Tri(0, H, 0, H - v, u, H)});
    case 17:
      return Union({Tri(W2, H2, W2, H2 - v, W2 - u, H2), Tri(W2, H2, W2, H2 - v, W2 + u, H2),
                    Tri(W2, H2, W2, H2 + v, W2 + u, H2), Tri(W2, H2, W2, H2 + v, W2 - u, H2)});
    case 18: return Union({Tri(0, 0, 0, v, u, 0), Tri(W, H, W, H - v, W - u, H)});
    case 19: return Union({Tri(W, 0, W, v, W - u, 0), Tri(0, H, 0, H - v, u, H)});
  }
  return Region();
}

}  // namespace lw
