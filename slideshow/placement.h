// Where things go on the screen: a picture by its size-and-position mode, the
// video panel, and the logo and caption by their anchor codes. Pure geometry;
// the random modes draw from the program's one generator.
#pragma once
#include <cstdint>

#include "gfx/rect.h"

namespace lw {

// Fits a w x h picture into areaW x areaH keeping proportions, centred.
// Any of the four being 0 gives the whole area.
Rect FitRect(int32_t areaW, int32_t areaH, int32_t w, int32_t h);

// The rectangle of a w x h picture on a W x H frame for a size-and-position
// mode: 0 fit, 1 stretch, 2 natural centred, 3 natural at random, 4 fit when
// larger else centred, 5 fit when larger else random; any other value fitted
// at random. w and h must be positive.
Rect PictureRect(int32_t mode, int32_t W, int32_t H, int32_t w, int32_t h);

// Position and size of the video panel on a screen of Ws x Hs for a video
// whose natural display rectangle is `natural`.
struct PanelPlacement {
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool operator==(const PanelPlacement&) const = default;
};
PanelPlacement PlaceVideoPanel(int32_t mode, int32_t Ws, int32_t Hs, const Rect& natural);

// Anchor codes of logo and caption: 0 top-left, 1 top-right, 2 top-centre,
// 3 bottom-left, 4 bottom-right, 5 bottom-centre, anything else centred.
// x and y are margins from the named edge, or offsets from the centre.
Rect PlaceByAnchor(int32_t targetW, int32_t targetH, int32_t w, int32_t h, int32_t anchor,
                   int32_t x, int32_t y);

}  // namespace lw
