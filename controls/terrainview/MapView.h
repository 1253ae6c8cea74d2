#pragma once

#include <cstdint>

namespace kaj::terrain {

// The first map is 4096 cells high, in 512 rows of 8 by 8 cell blocks, and as wide
// as its file: 6144 cells (768 block columns) in the clients of old, 7168 (896) in
// today's, whose map holds every block of the wider world.
constexpr int kWorldHeight = 4096;
constexpr int kBlockRows = 512;
constexpr int kBlockBytes = 196;
constexpr int kClassicBlockColumns = 768;
constexpr int kWideBlockColumns = 896;
constexpr int kClassicWorldWidth = kClassicBlockColumns * 8;
constexpr int kWideWorldWidth = kWideBlockColumns * 8;
constexpr std::uint64_t kWideMapBytes =
    static_cast<std::uint64_t>(kWideBlockColumns) * kBlockRows * kBlockBytes;
// The block columns of a map of this many bytes.
constexpr int mapBlockColumns(std::uint64_t mapBytes) {
    return mapBytes >= kWideMapBytes ? kWideBlockColumns : kClassicBlockColumns;
}
constexpr std::int16_t kLowestZoom = -4;
constexpr std::int16_t kHighestZoom = 8;

// What the map shows: its centre, zoom level and whether statics cover the ground,
// in a world as wide as the map that is drawn.
struct MapView {
    std::int16_t zoom = 0;
    std::int16_t xCenter = 3072;
    std::int16_t yCenter = 2048;
    bool drawStatics = false;
    int worldWidth = kClassicWorldWidth;
};

}  // namespace kaj::terrain
