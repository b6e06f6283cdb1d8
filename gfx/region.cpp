#include "gfx/region.h"

#include <algorithm>
#include <climits>

namespace lw {

void RegionBuilder::AddBand(int32_t top, int32_t bottom, const std::vector<Region::Span>& spans) {
  if (bottom <= top) return;
  merged_.clear();
  for (const Region::Span& s : spans) {
    if (s.right <= s.left) continue;
    if (!merged_.empty() && s.left <= merged_.back().right) {
      merged_.back().right = std::max(merged_.back().right, s.right);
    } else {
      merged_.push_back(s);
    }
  }
  if (merged_.empty()) return;
  std::vector<Region::Band>& bands = region_.bands_;
  if (!bands.empty() && bands.back().bottom == top && bands.back().spans == merged_) {
    bands.back().bottom = bottom;
    return;
  }
  bands.push_back(Region::Band{top, bottom, merged_});
}

Region Region::FromRect(const Rect& r) {
  int32_t left = std::min(r.left, r.right), right = std::max(r.left, r.right);
  int32_t top = std::min(r.top, r.bottom), bottom = std::max(r.top, r.bottom);
  RegionBuilder b;
  b.AddBand(top, bottom, {Span{left, right}});
  return b.Finish();
}

Region Region::Ellipse(const Rect& bounds) {
  return RoundRect(bounds, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

namespace {

bool Apply(CombineMode mode, bool inA, bool inB) {
  switch (mode) {
    case CombineMode::kAnd: return inA && inB;
    case CombineMode::kOr: return inA || inB;
    case CombineMode::kXor: return inA != inB;
    case CombineMode::kDiff: return inA && !inB;
  }
  return false;
}

// One row's spans of a combination: a sweep over both span lists' edges.
void CombineSpans(const std::vector<Region::Span>& a, const std::vector<Region::Span>& b,
                  CombineMode mode, std::vector<Region::Span>& out) {
  out.clear();
  size_t i = 0, j = 0;
  bool inA = false, inB = false, open = false;
  int32_t start = 0;
  for (;;) {
    int64_t nextA = i < a.size() ? (inA ? a[i].right : a[i].left) : INT64_MAX;
    int64_t nextB = j < b.size() ? (inB ? b[j].right : b[j].left) : INT64_MAX;
    int64_t x = std::min(nextA, nextB);
    if (x == INT64_MAX) break;
    if (nextA == x) {
      if (inA) ++i;
      inA = !inA;
    }
    if (nextB == x) {
      if (inB) ++j;
      inB = !inB;
    }
    bool in = Apply(mode, inA, inB);
    if (in && !open) {
      start = static_cast<int32_t>(x);
      open = true;
    } else if (!in && open) {
      out.push_back(Region::Span{start, static_cast<int32_t>(x)});
      open = false;
    }
  }
}

}  // namespace

Region Region::Combine(const Region& a, const Region& b, CombineMode mode) {
  const std::vector<Band>& A = a.bands_;
  const std::vector<Band>& B = b.bands_;
  static const std::vector<Span> kNone;
  RegionBuilder out;
  std::vector<Span> row;
  size_t ia = 0, ib = 0;
  int64_t y = INT64_MIN;
  while (ia < A.size() || ib < B.size()) {
    if (ia < A.size() && A[ia].bottom <= y) { ++ia; continue; }
    if (ib < B.size() && B[ib].bottom <= y) { ++ib; continue; }
    bool inA = ia < A.size() && A[ia].top <= y;
    bool inB = ib < B.size() && B[ib].top <= y;
    int64_t nextA = ia < A.size() ? (inA ? A[ia].bottom : A[ia].top) : INT64_MAX;
    int64_t nextB = ib < B.size() ? (inB ? B[ib].bottom : B[ib].top) : INT64_MAX;
    int64_t next = std::min(nextA, nextB);
    if (inA || inB) {
      CombineSpans(inA ? A[ia].spans : kNone, inB ? B[ib].spans : kNone, mode, row);
      out.AddBand(static_cast<int32_t>(y), static_cast<int32_t>(next), row);
    }
    y = next;
  }
  return out.Finish();
}

Region Region::Union(std::vector<Region> parts) {
  // One sweep down all the parts' bands at once: each stretch of rows between
  // band edges takes the spans of the bands covering it.
  std::vector<const Band*> pending;
  for (const Region& part : parts) {
    for (const Band& band : part.bands_) pending.push_back(&band);
  }
  std::stable_sort(pending.begin(), pending.end(),
                   [](const Band* a, const Band* b) { return a->top < b->top; });
  RegionBuilder out;
  std::vector<const Band*> active;
  std::vector<Span> row;
  size_t next = 0;
  int64_t y = INT64_MIN;
  while (next < pending.size() || !active.empty()) {
    std::erase_if(active, [y](const Band* b) { return b->bottom <= y; });
    if (active.empty() && next < pending.size() && pending[next]->top > y) y = pending[next]->top;
    for (; next < pending.size() && pending[next]->top <= y; ++next) active.push_back(pending[next]);
    if (active.empty()) continue;
    int64_t end = next < pending.size() ? pending[next]->top : INT64_MAX;
    row.clear();
    for (const Band* b : active) {
      end = std::min<int64_t>(end, b->bottom);
      row.insert(row.end(), b->spans.begin(), b->spans.end());
    }
    std::sort(row.begin(), row.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
    out.AddBand(static_cast<int32_t>(y), static_cast<int32_t>(end), row);
    y = end;
  }
  return out.Finish();
}

Rect Region::ClipBox() const {
  if (bands_.empty()) return Rect{};
  Rect box{INT32_MAX, bands_.front().top, INT32_MIN, bands_.back().bottom};
  for (const Band& band : bands_) {
    box.left = std::min(box.left, band.spans.front().left);
    box.right = std::max(box.right, band.spans.back().right);
  }
  return box;
}

bool Region::Contains(int32_t x, int32_t y) const {
  auto band = std::upper_bound(bands_.begin(), bands_.end(), y,
                               [](int32_t v, const Band& b) { return v < b.bottom; });
  if (band == bands_.end() || band->top > y) return false;
  auto span = std::upper_bound(band->spans.begin(), band->spans.end(), x,
                               [](int32_t v, const Span& s) { return v < s.right; });
  return span != band->spans.end() && span->left <= x;
}

}  // namespace lw
