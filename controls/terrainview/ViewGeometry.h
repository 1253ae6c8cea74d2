#pragma once

#include <cstdint>

#include "MapView.h"

namespace kaj::terrain {

// The pixel in the middle of a control's extent on one axis, halves rounded down.
int controlMiddle(int origin, int size);

// One axis of the conversions between control pixels and world cells, around the
// view's centre cell (viewCentre) drawn at the control's middle pixel. Above zoom 0
// a cell is several pixels wide and a pixel maps to the cell it falls in (the
// division truncates toward the middle); below zoom 0 a pixel spans several cells.
// Results are cut to 16 bits, as the dispatch interface carries them.
std::int16_t controlToCell(std::int16_t zoom, int viewCentre, int middle, std::int16_t pixel);
std::int16_t cellToControl(std::int16_t zoom, int viewCentre, int middle, std::int16_t cell);

// Changes of the view; each answers whether the view changed, so the control
// knows when to redraw. A centre outside the world is ignored.
bool setViewCentreX(MapView& view, std::int16_t x);
bool setViewCentreY(MapView& view, std::int16_t y);
bool centreView(MapView& view, std::int16_t x, std::int16_t y);
// direction 0-7 clockwise from north; the centre stops at the world's edges.
bool scrollView(MapView& view, std::int16_t direction, std::int16_t distance);
bool zoomViewIn(MapView& view);
bool zoomViewOut(MapView& view);

}  // namespace kaj::terrain
