#pragma once

#include <cstdint>

#include "MapView.h"

namespace kaj::terrain {

// How a zoom level draws: each cell as a square of pixelsPerCell pixels a side
// (zoom 1 and up), or each block of 8 by 8 cells as samplesPerBlock by
// samplesPerBlock pixels, taking one block in every blockStep (zoom -1 and down);
// and the scale of the conversions between pixels and cells.
struct ZoomParameters {
    int pixelsPerCell;
    int samplesPerBlock;
    int blockStep;
    int scale;  // pixels per cell above zoom 0, cells per pixel below
};
ZoomParameters zoomParameters(std::int16_t zoom);
std::int16_t clampZoom(int zoom);

// The blocks one axis of the view shows, from first up to but not including end,
// drawn one in every blockStep.
struct BlockRange {
    int edge;   // the block whose start lies at the control's left (or top) edge
    int first;  // the first block read: one before the edge block, where there is one
    int end;    // one past the last block read
};
// centre: the view's centre cell on the axis; size: the control's pixels on it;
// blocks: the map's block columns or rows. The range reaches one block further
// where half the blocks across, counted from the centre, would leave the far edge
// of the control uncovered.
BlockRange visibleBlocks(int centre, int size, int blocks, const ZoomParameters& zoom);

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
