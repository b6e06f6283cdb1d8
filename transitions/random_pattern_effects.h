// The random pattern effects (96..100): pieces of the new frame in a shuffled
// order, bands or grid cells or ellipses on grid points.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/region.h"

namespace lw {

// 0..n-1 shuffled with the program's generator: every position c in turn is
// swapped with a position drawn from the whole list.
std::vector<int32_t> ShuffledOrder(int32_t n);

class RandomPattern {
 public:
  // local is 1..5.
  RandomPattern(int32_t local, int32_t width, int32_t height, int32_t steps);

  // Grids whose size d comes out 0 cannot place their pieces.
  bool CanPlacePieces() const { return !grid_ || d_ > 0; }
  // The loop's safety cap on frames, steps cubed.
  int64_t FrameCap() const { return frameCap_; }
  // The region of the next frame; the first call shuffles the order. Pieces
  // are taken from the end of the order; none when nothing is left.
  std::optional<Region> NextFrame();
  // Set in the frame that takes the last piece (or finds none to take).
  bool Done() const { return done_; }

  int32_t GridSize() const { return d_; }
  int32_t PiecesPerFrame() const { return per_; }

 private:
  Region Piece(int32_t entry) const;

  int32_t local_;
  int64_t w_, h_;
  bool grid_;
  int32_t d_ = 0, per_ = 1, count_ = 0;
  int64_t frameCap_;
  bool started_ = false, done_ = false;
  std::vector<int32_t> order_;
  int32_t remaining_ = 0;
};

}  // namespace lw
