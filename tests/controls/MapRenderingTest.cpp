#include <gtest/gtest.h>

#include "ClientDataWriter.h"
#include "Colour555.h"
#include "GeneratedWorld.h"
#include "MapRenderer.h"
#include "MulFiles.h"
#include "TempFolder.h"
#include "ViewGeometry.h"

namespace kaj::terrain {
namespace {

using controls::convertColour555;
using controls::PixelBuffer;
using kaj::testing::Bytes;
using kaj::testing::put16;
using kaj::testing::put32;
using kaj::testing::TempFolder;

constexpr std::uint32_t kSeed = 5;

const TempFolder& world() {
    return kaj::testing::generatedWorld<kSeed>();
}

std::uint16_t radarEntry(int entry) {
    static const std::string bytes = TempFolder::read(world() / "radarcol.mul");
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[entry * 2]) |
                                      (static_cast<std::uint8_t>(bytes[entry * 2 + 1]) << 8));
}

TEST(ZoomParameters, EveryLevelHasItsPixelsSamplesStepAndScale) {
    struct Row {
        int zoom, p, a, s, f;
    };
    const Row rows[] = {{8, 256, 8, 1, 256}, {3, 8, 8, 1, 8},  {1, 2, 8, 1, 2},  {0, 1, 8, 1, 1},
                        {-1, 1, 4, 1, 2},    {-2, 1, 2, 1, 4}, {-3, 1, 1, 1, 8}, {-4, 1, 1, 2, 16}};
    for (const auto& r : rows) {
        const auto z = zoomParameters(static_cast<std::int16_t>(r.zoom));
        EXPECT_EQ(z.pixelsPerCell, r.p) << r.zoom;
        EXPECT_EQ(z.samplesPerBlock, r.a) << r.zoom;
        EXPECT_EQ(z.blockStep, r.s) << r.zoom;
        EXPECT_EQ(z.scale, r.f) << r.zoom;
    }
    EXPECT_EQ(clampZoom(-5), -4);
    EXPECT_EQ(clampZoom(9), 8);
}

TEST(VisibleBlocks, TheDefaultViewAndTheExtensionAtOddBlockCounts) {
    const auto zero = zoomParameters(0);
    const auto columns = visibleBlocks(3072, 400, kClassicBlockColumns, zero);
    EXPECT_EQ(columns.first, 358);
    EXPECT_EQ(columns.end, 410);
    EXPECT_EQ(columns.edge, 359);
    const auto rows = visibleBlocks(2048, 296, kBlockRows, zero);
    EXPECT_EQ(rows.first, 237);
    EXPECT_EQ(rows.end, 275);
    EXPECT_EQ(rows.edge, 238);
    // 600 rows at zoom 3 hold 9 whole blocks of 64: the rule as written stops at 576.
    const auto tall = visibleBlocks(2048, 600, kBlockRows, zoomParameters(3));
    EXPECT_EQ(tall.edge, 252);
    EXPECT_EQ(tall.end, 262);
    // Near the east edge the range ends at the map's end.
    EXPECT_EQ(visibleBlocks(6143, 600, kClassicBlockColumns, zoomParameters(3)).end, 768);
    // At zoom -4 every second block of the whole map.
    const auto far = visibleBlocks(3072, 800, kClassicBlockColumns, zoomParameters(-4));
    EXPECT_EQ(far.first, 0);
    EXPECT_EQ(far.end, 768);
}

TEST(MapRenderer, ZoomZeroShowsEveryCellOfTheGeneratedWorldAtItsPixel) {
    const auto renderer = MapRenderer::fromFolder(world().path());
    PixelBuffer buffer;
    ASSERT_TRUE(renderer.render({0, 3072, 2048, false}, 400, 300, buffer));
    ASSERT_EQ(buffer.width(), 400);
    ASSERT_EQ(buffer.height(), 296);
    int mismatches = 0;
    for (int py = 0; py < 296; ++py) {
        for (int px = 0; px < 400; ++px) {
            const auto cell = clientdata::generatedCell(kSeed, 359 * 8 + px, 238 * 8 + py);
            mismatches += buffer.at(px, py) != convertColour555(radarEntry(cell.tile));
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(MapRenderer, ZoomEightDrawsCellSquaresAndMinusFourSamplesEverySecondBlock) {
    const auto renderer = MapRenderer::fromFolder(world().path());
    PixelBuffer big;
    ASSERT_TRUE(renderer.render({8, 3072, 2048, false}, 800, 600, big));
    // hx = (800 / 2048) / 2 = 0: the left edge is block 384, cell 0 at x 0.
    const auto first = clientdata::generatedCell(kSeed, 384 * 8, 256 * 8);
    EXPECT_EQ(big.at(0, 0), convertColour555(radarEntry(first.tile)));
    EXPECT_EQ(big.at(255, 255), big.at(0, 0));
    const auto next = clientdata::generatedCell(kSeed, 384 * 8 + 1, 256 * 8 + 2);
    EXPECT_EQ(big.at(256 + 10, 512 + 10), convertColour555(radarEntry(next.tile)));

    PixelBuffer far;
    ASSERT_TRUE(renderer.render({-4, 3072, 2048, false}, 384, 256, far));
    // hx = (2 * 384 / 1) / 2 = 384: L = 0, pixel x = (bx - 0) / 2, so pixel 10 is block 20.
    const auto sampled = clientdata::generatedCell(kSeed, 20 * 8, 30 * 8);
    EXPECT_EQ(far.at(10, 15), convertColour555(radarEntry(sampled.tile)));
}

TEST(MapRenderer, ZoomLevelsBeyondTheRangeDrawLikeItsEnds) {
    const auto renderer = MapRenderer::fromFolder(world().path());
    PixelBuffer a, b;
    ASSERT_TRUE(renderer.render({-5, 1000, 1000, false}, 200, 200, a));
    ASSERT_TRUE(renderer.render({-4, 1000, 1000, false}, 200, 200, b));
    EXPECT_EQ(a.bytes(), b.bytes());
    ASSERT_TRUE(renderer.render({9, 1000, 1000, false}, 200, 200, a));
    ASSERT_TRUE(renderer.render({8, 1000, 1000, false}, 200, 200, b));
    EXPECT_EQ(a.bytes(), b.bytes());
}

// A small map of its own near the world's north-west corner, for the statics rules.
struct SmallMap : ::testing::Test {
    TempFolder folder;
    Bytes map = Bytes(4 * 512 * 196, 0);
    std::map<int, Bytes> blockStatics;

    void cell(int x, int y, std::uint16_t tile, std::int8_t altitude) {
        const std::size_t at =
            (static_cast<std::size_t>(x / 8) * 512 + static_cast<std::size_t>(y / 8)) * 196 + 4 +
            static_cast<std::size_t>((y % 8) * 8 + (x % 8)) * 3;
        map[at] = static_cast<std::uint8_t>(tile);
        map[at + 1] = static_cast<std::uint8_t>(tile >> 8);
        map[at + 2] = static_cast<std::uint8_t>(altitude);
    }
    void addStatic(int x, int y, std::uint16_t object, int altitude, int cellX = -1) {
        Bytes& records = blockStatics[(x / 8) * 512 + y / 8];
        put16(records, object);
        records.push_back(static_cast<std::uint8_t>(cellX >= 0 ? cellX : x % 8));
        records.push_back(static_cast<std::uint8_t>(y % 8));
        records.push_back(static_cast<std::uint8_t>(static_cast<std::int8_t>(altitude)));
        put16(records, 0);
    }
    MapRenderer write() {
        kaj::testing::writeBytes(folder / "map0.mul", map);
        Bytes index;
        Bytes statics;
        for (int block = 0; block < 4 * 512; ++block) {
            const auto it = blockStatics.find(block);
            put32(index, it == blockStatics.end() ? 0xFFFFFFFFu
                                                  : static_cast<std::uint32_t>(statics.size()));
            put32(index,
                  it == blockStatics.end() ? 0u : static_cast<std::uint32_t>(it->second.size()));
            put32(index, 0);
            if (it != blockStatics.end())
                statics.insert(statics.end(), it->second.begin(), it->second.end());
        }
        kaj::testing::writeBytes(folder / "staidx0.mul", index);
        kaj::testing::writeBytes(folder / "statics0.mul", statics);
        Bytes radar;
        for (int entry = 0; entry < 65536; ++entry)
            put16(radar, static_cast<std::uint32_t>(entry & 0x7FFF));
        kaj::testing::writeBytes(folder / "radarcol.mul", radar);
        return MapRenderer::fromFolder(folder.path());
    }
    // At zoom 0 centred on (16, 16) in 64 x 64: L = T = -2, world cell (x, y) at pixel (x + 16, y +
    // 16).
    std::uint32_t pixel(const MapRenderer& renderer, int x, int y, std::int16_t zoom = 0) {
        PixelBuffer buffer;
        EXPECT_TRUE(renderer.render({zoom, 16, 16, true}, 64, 64, buffer));
        return buffer.at(x + 16, y + 16);
    }
    static std::uint32_t land(std::uint16_t tile) { return convertColour555(tile); }
    static std::uint32_t object(std::uint16_t n) {
        return convertColour555(static_cast<std::uint16_t>((n + 0x4000) & 0x7FFF));
    }
};

TEST_F(SmallMap, TheHighestStaticAtOrAboveTheGroundWinsAndTheLaterOneOnTies) {
    cell(1, 1, 100, 10);
    addStatic(1, 1, 7, 12);
    addStatic(1, 1, 8, 12);  // equal altitude, later in the file: wins
    addStatic(1, 1, 9, 11);  // lower: loses
    cell(2, 1, 101, 10);
    addStatic(2, 1, 20, 5);  // below the ground: the ground shows
    cell(3, 1, 102, 10);
    addStatic(3, 1, 21, 10);  // at the ground's altitude: shown
    cell(12, 1, 103, 0);      // block (1, 0) holds no statics
    cell(4, 1, 104, 0);
    addStatic(4, 1, 30, 50, 9);  // x beyond the block: ignored
    const auto renderer = write();
    EXPECT_EQ(pixel(renderer, 1, 1), object(8));
    EXPECT_EQ(pixel(renderer, 2, 1), land(101));
    EXPECT_EQ(pixel(renderer, 3, 1), object(21));
    EXPECT_EQ(pixel(renderer, 12, 1), land(103));
    EXPECT_EQ(pixel(renderer, 4, 1), land(104));
}

TEST_F(SmallMap, StaticsShowDownToZoomMinusOneOnly) {
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            cell(x, y, 200, 0);
            addStatic(x, y, 300, 0);
        }
    const auto renderer = write();
    PixelBuffer buffer;
    ASSERT_TRUE(renderer.render({-1, 16, 16, true}, 64, 64, buffer));
    // hx = (64 / 4) / 2 = 8, L = 2 - 8 = -6: block 0 at x = 4 * 6 = 24.
    EXPECT_EQ(buffer.at(24, 24), object(300));
    ASSERT_TRUE(renderer.render({-2, 16, 16, true}, 64, 64, buffer));
    // hx = (64 / 2) / 2 = 16, L = -14: block 0 at x = 2 * 14 = 28.
    EXPECT_EQ(buffer.at(28, 28), land(200));
}

TEST_F(SmallMap, MissingStaticFilesLeaveTheControlUnpaintedOnlyWhenStaticsAreDrawn) {
    const auto renderer = write();
    std::filesystem::remove(folder / "statics0.mul");
    PixelBuffer buffer;
    EXPECT_FALSE(renderer.render({0, 16, 16, true}, 64, 64, buffer));
    EXPECT_TRUE(renderer.render({0, 16, 16, false}, 64, 64, buffer));
    EXPECT_TRUE(renderer.render({-2, 16, 16, true}, 64, 64, buffer));
    std::filesystem::remove(folder / "map0.mul");
    EXPECT_FALSE(renderer.render({0, 16, 16, false}, 64, 64, buffer));
    EXPECT_EQ(renderer.mapHeight(0, 0), 0);
}

TEST_F(SmallMap, MapHeightReadsItsCellAndIsZeroOutsideTheWorldOrTheFile) {
    map[6] = static_cast<std::uint8_t>(-7);            // cell (0, 0): the signed byte at offset 6
    map[100352 + 33] = static_cast<std::uint8_t>(42);  // (9, 1): block (1, 0), cell 9
    const auto renderer = write();
    EXPECT_EQ(renderer.mapHeight(0, 0), -7);
    EXPECT_EQ(renderer.mapHeight(9, 1), 42);
    EXPECT_EQ(renderer.mapHeight(-1, 0), 0);
    EXPECT_EQ(renderer.mapHeight(6144, 0), 0);
    EXPECT_EQ(renderer.mapHeight(0, 4096), 0);
    EXPECT_EQ(renderer.mapHeight(6000, 4000), 0);  // beyond the end of this small file
}

TEST_F(SmallMap, AShortMapLeavesTheMissingBlocksAsTileZero) {
    const auto renderer = write();
    PixelBuffer buffer;
    // Column 5 lies past the file: its strip is all zeros.
    ASSERT_TRUE(renderer.render({0, 44, 16, false}, 64, 64, buffer));
    EXPECT_EQ(buffer.at(32 + 4, 20), land(0));
}

}  // namespace
}  // namespace kaj::terrain
