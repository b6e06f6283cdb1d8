// Polygon regions, winding fill rule.
#include <algorithm>

#include "gfx/region.h"

namespace lw {
namespace {

int64_t Clamp(int32_t v) { return std::clamp<int64_t>(v, -kRegionCoordLimit, kRegionCoordLimit); }

// Smallest integer not below n / d, for d > 0.
int64_t CeilDiv(int64_t n, int64_t d) { return n >= 0 ? (n + d - 1) / d : -((-n) / d); }

struct Edge {
  int64_t x0, y0, x1, y1;  // y0 < y1
  int dir;                 // +1 when the polygon runs downward along it
  // Stepping state: x = the first sample column at or right of the edge on
  // the current row, and e = x (y1 - y0) - the exact crossing's numerator,
  // in [0, y1 - y0).
  int64_t x = 0, e = 0, q = 0, r = 0;

  void Start() {
    const int64_t dy = y1 - y0, dx = x1 - x0;
    x = x0;
    e = 0;
    q = dx >= 0 ? dx / dy : -CeilDiv(-dx, dy);  // floor(dx / dy)
    r = dx - q * dy;                             // in [0, dy)
  }
  void NextRow() {
    x += q;
    if (e >= r) {
      e -= r;
    } else {
      x += 1;
      e += (y1 - y0) - r;
    }
  }
};

struct Crossing {
  int64_t x;  // first sample column at or right of the edge
  int dir;
};

}  // namespace

Region Region::Polygon(const std::vector<Point>& points) { return PolyPolygon({points}); }

Region Region::PolyPolygon(const std::vector<std::vector<Point>>& polygons) {
  std::vector<Edge> edges;
  int64_t top = INT64_MAX, bottom = INT64_MIN;
  for (const std::vector<Point>& points : polygons) {
    if (points.size() < 3) continue;
    for (size_t k = 0; k < points.size(); ++k) {
      const Point& p = points[k];
      const Point& q = points[(k + 1) % points.size()];
      int64_t px = Clamp(p.x), py = Clamp(p.y), qx = Clamp(q.x), qy = Clamp(q.y);
      if (py == qy) continue;  // horizontal edges cross no sample row
      if (py < qy) {
        edges.push_back(Edge{px, py, qx, qy, +1});
      } else {
        edges.push_back(Edge{qx, qy, px, py, -1});
      }
      top = std::min({top, py, qy});
      bottom = std::max({bottom, py, qy});
    }
  }
  RegionBuilder out;
  if (edges.empty()) return out.Finish();

  // Edges enter the active list at their top row and leave below their last.
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
  std::vector<Edge*> active;
  size_t nextEdge = 0;
  std::vector<Crossing> crossings;
  std::vector<Span> spans;
  for (int64_t y = top; y < bottom; ++y) {
    // Each edge covers the sample rows [y0, y1): a vertex shared by two edges
    // is counted once, and a bottom edge stays outside.
    std::erase_if(active, [y](const Edge* e) { return e->y1 <= y; });
    if (active.empty() && nextEdge < edges.size() && edges[nextEdge].y0 > y) {
      y = edges[nextEdge].y0;  // skip the rows between separate polygons
    }
    for (; nextEdge < edges.size() && edges[nextEdge].y0 <= y; ++nextEdge) {
      edges[nextEdge].Start();
      active.push_back(&edges[nextEdge]);
    }
    crossings.clear();
    for (Edge* e : active) {
      crossings.push_back(Crossing{e->x, e->dir});
      e->NextRow();
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    // Sample x has winding number = the sum over crossings at or left of x.
    spans.clear();
    int winding = 0;
    int64_t start = 0;
    for (size_t c = 0; c < crossings.size();) {
      int64_t x = crossings[c].x;
      bool wasInside = winding != 0;
      for (; c < crossings.size() && crossings[c].x == x; ++c) winding += crossings[c].dir;
      bool inside = winding != 0;
      if (inside && !wasInside) start = x;
      if (!inside && wasInside && x > start) {
        spans.push_back(Span{static_cast<int32_t>(start), static_cast<int32_t>(x)});
      }
    }
    out.AddBand(static_cast<int32_t>(y), static_cast<int32_t>(y + 1), spans);
  }
  return out.Finish();
}

}  // namespace lw
