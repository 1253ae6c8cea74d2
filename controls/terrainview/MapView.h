#pragma once

#include <cstdint>

namespace kaj::terrain {

constexpr int kWorldWidth = 6144;
constexpr int kWorldHeight = 4096;
constexpr int kBlockColumns = 768;
constexpr int kBlockRows = 512;
constexpr int kBlockCount = kBlockColumns * kBlockRows;
constexpr int kBlockBytes = 196;
constexpr std::int16_t kLowestZoom = -4;
constexpr std::int16_t kHighestZoom = 8;

// What the map shows: its centre, zoom level and whether statics cover the ground.
struct MapView {
    std::int16_t zoom = 0;
    std::int16_t xCenter = 3072;
    std::int16_t yCenter = 2048;
    bool drawStatics = false;
};

// The numbers a zoom level draws with: p pixels per cell side, a cells sampled per
// block side, one block in s; and the scale of the conversions.
struct ZoomParameters {
    int pixelsPerCell;
    int samplesPerBlock;
    int blockStep;
    int scale;  // pixels per cell above zoom 0, cells per pixel below
};
ZoomParameters zoomParameters(std::int16_t zoom);
std::int16_t clampZoom(int zoom);

// The visible block range [first, end) of one axis, stepping by s.
struct BlockRange {
    int edge;   // the block drawn at the control's edge (L or T)
    int first;  // bx0 or by0
    int end;    // bx1 or by1
};
// centre: xCenter or yCenter; size: W or H; blocks: 768 or 512. Extended by one
// block where the rule as written would leave the far edge of the control uncovered.
BlockRange visibleBlocks(int centre, int size, int blocks, const ZoomParameters& zoom);

}  // namespace kaj::terrain
