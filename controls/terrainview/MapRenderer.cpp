#include "MapRenderer.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

#include "ClientFolder.h"
#include "Colour555.h"
#include "DataFile.h"
#include "ReadOnlyFile.h"

namespace kaj::terrain {
namespace {

constexpr std::uint64_t kStaticRecord = 7;

struct StaticCell {
    bool present = false;
    std::int8_t altitude = 0;
    std::uint16_t object = 0;
};

std::uint16_t read16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}
std::uint32_t read32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

// Writes a square of pixels, clipped to the buffer.
void fillSquare(controls::PixelBuffer& buffer, std::uint8_t* pixels, int x, int y, int side,
                std::uint32_t colour) {
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + side, buffer.width());
    const int y1 = std::min(y + side, buffer.height());
    if (x0 >= x1 || y0 >= y1)
        return;
    const auto blue = static_cast<std::uint8_t>(colour >> 16);
    const auto green = static_cast<std::uint8_t>(colour >> 8);
    const auto red = static_cast<std::uint8_t>(colour);
    const std::size_t stride = static_cast<std::size_t>(buffer.width()) * 3;
    std::uint8_t* first =
        pixels + static_cast<std::size_t>(y0) * stride + static_cast<std::size_t>(x0) * 3;
    for (int px = x0; px < x1; ++px) {
        std::uint8_t* p = first + static_cast<std::size_t>(px - x0) * 3;
        p[0] = blue;
        p[1] = green;
        p[2] = red;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(x1 - x0) * 3;
    for (int py = y0 + 1; py < y1; ++py) {
        std::memcpy(first + static_cast<std::size_t>(py - y0) * stride, first, rowBytes);
    }
}

}  // namespace

ColourTable::ColourTable() : colours_(65536, 0) {}

ColourTable ColourTable::load(const std::filesystem::path& radarcol) {
    ColourTable table;
    const auto file = platform::ReadOnlyFile::open(radarcol);
    if (!file) {
        return table;
    }
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(file->size(), 131072)), 0);
    if (!file->readAt(0, bytes.data(), bytes.size())) {
        return table;
    }
    const std::size_t got = bytes.size() / 2;
    for (std::size_t i = 0; i < got; ++i) {
        table.colours_[i] = controls::convertColour555(read16(&bytes[i * 2]));
    }
    return table;
}

MapRenderer::MapRenderer(std::filesystem::path clientFolder, ColourTable colours)
    : folder_(std::move(clientFolder)), colours_(std::move(colours)) {}

MapRenderer MapRenderer::fromFolder(const std::filesystem::path& clientFolder) {
    MapRenderer renderer(clientFolder, {});
    renderer.colours_ = ColourTable::load(renderer.file("radarcol.mul"));
    return renderer;
}

std::filesystem::path MapRenderer::file(const std::string& name) const {
    return controls::clientFile(folder_, name);
}

bool MapRenderer::render(const MapView& view, int boundsWidth, int boundsHeight,
                         controls::PixelBuffer& buffer) const {
    const std::int16_t zoom = clampZoom(view.zoom);
    const bool statics = view.drawStatics && zoom >= -1;
    const auto map = controls::DataFile::open(file("map0.mul"));
    if (!map)
        return false;
    std::optional<controls::DataFile> staticsIndex;
    std::optional<controls::DataFile> staticsData;
    if (statics) {
        staticsIndex = controls::DataFile::open(file("staidx0.mul"));
        staticsData = controls::DataFile::open(file("statics0.mul"));
        if (!staticsIndex || !staticsData)
            return false;
    }
    buffer.resizeForBounds(boundsWidth, boundsHeight);
    const int width = buffer.width();
    const int height = buffer.height();
    const ZoomParameters z = zoomParameters(zoom);
    const BlockRange columns = visibleBlocks(view.xCenter, width, kBlockColumns, z);
    const BlockRange rows = visibleBlocks(view.yCenter, height, kBlockRows, z);
    if (columns.end <= columns.first || rows.end <= rows.first)
        return true;

    auto* pixels = const_cast<std::uint8_t*>(buffer.bytes().data());
    const std::size_t stripBlocks = static_cast<std::size_t>(rows.end - rows.first);
    std::vector<std::uint8_t> strip(stripBlocks * kBlockBytes);
    std::vector<std::uint8_t> indexStrip(stripBlocks * 12);
    std::vector<std::uint8_t> records;
    std::array<StaticCell, 64> table{};
    const int p = z.pixelsPerCell;
    const int a = z.samplesPerBlock;
    const int s = z.blockStep;

    for (int bx = columns.first; bx < columns.end; bx += s) {
        const long long firstBlock = static_cast<long long>(bx) * kBlockRows + rows.first;
        if (firstBlock < 0 || firstBlock >= kBlockCount)
            continue;
        // A short read leaves the missing blocks as tile 0 at altitude 0: only the part
        // the file does not hold is cleared.
        const std::uint64_t start = static_cast<std::uint64_t>(firstBlock) * kBlockBytes;
        std::size_t available = 0;
        if (start < map->size()) {
            available = static_cast<std::size_t>(
                std::min<std::uint64_t>(strip.size(), map->size() - start));
            if (!map->readAt(start, strip.data(), available))
                available = 0;
        }
        std::fill(strip.begin() + static_cast<std::ptrdiff_t>(available), strip.end(), 0);
        std::size_t indexAvailable = 0;
        if (statics) {
            // One read for the column's index records; those outside the file count as empty.
            const std::uint64_t indexStart = static_cast<std::uint64_t>(firstBlock) * 12;
            if (indexStart < staticsIndex->size()) {
                indexAvailable = static_cast<std::size_t>(
                    std::min<std::uint64_t>(indexStrip.size(), staticsIndex->size() - indexStart) /
                    12 * 12);
                if (!staticsIndex->readAt(indexStart, indexStrip.data(), indexAvailable))
                    indexAvailable = 0;
            }
        }
        const int columnX = p * a * ((bx - columns.edge) / s);
        for (int by = rows.first; by < rows.end; by += s) {
            const std::size_t blockInStrip = static_cast<std::size_t>(by - rows.first);
            const std::uint8_t* cells = strip.data() + blockInStrip * kBlockBytes + 4;
            bool anyStatic = false;
            if (statics && (blockInStrip + 1) * 12 <= indexAvailable) {
                table.fill(StaticCell{});
                const std::uint8_t* entry = indexStrip.data() + blockInStrip * 12;
                const auto offset = static_cast<std::int32_t>(read32(entry));
                const auto length = static_cast<std::int32_t>(read32(entry + 4));
                if (offset >= 0 && length >= static_cast<std::int32_t>(kStaticRecord) &&
                    static_cast<std::uint64_t>(offset) < staticsData->size()) {
                    const std::uint64_t fits =
                        (staticsData->size() - static_cast<std::uint64_t>(offset)) / kStaticRecord;
                    const std::uint64_t count = std::min<std::uint64_t>(
                        static_cast<std::uint64_t>(length) / kStaticRecord, fits);
                    records.resize(static_cast<std::size_t>(count * kStaticRecord));
                    if (count > 0 && staticsData->readAt(static_cast<std::uint64_t>(offset),
                                                         records.data(), records.size())) {
                        for (std::uint64_t r = 0; r < count; ++r) {
                            const std::uint8_t* rec = records.data() + r * kStaticRecord;
                            const unsigned sx = rec[2];
                            const unsigned sy = rec[3];
                            if (sx > 7 || sy > 7)
                                continue;
                            StaticCell& cell = table[sy * 8 + sx];
                            const auto altitude = static_cast<std::int8_t>(rec[4]);
                            if (!cell.present || altitude >= cell.altitude) {
                                cell = {true, altitude, read16(rec)};
                                anyStatic = true;
                            }
                        }
                    }
                }
            }
            const int rowY = p * a * ((by - rows.edge) / s);
            for (int j = 0; j < a; ++j) {
                const int cy = j * 8 / a;
                const int y = rowY + p * j;
                if (y >= height || y + p <= 0)
                    continue;
                for (int i = 0; i < a; ++i) {
                    const int cx = i * 8 / a;
                    const int x = columnX + p * i;
                    if (x >= width || x + p <= 0)
                        continue;
                    const std::uint8_t* cell = cells + (cy * 8 + cx) * 3;
                    std::uint32_t colour = colours_.land(read16(cell));
                    if (anyStatic) {
                        const StaticCell& top = table[static_cast<std::size_t>(cy * 8 + cx)];
                        if (top.present && top.altitude >= static_cast<std::int8_t>(cell[2])) {
                            colour = colours_.staticObject(top.object);
                        }
                    }
                    if (p == 1) {
                        std::uint8_t* px = pixels + (static_cast<std::size_t>(y) *
                                                         static_cast<std::size_t>(width) +
                                                     static_cast<std::size_t>(x)) *
                                                        3;
                        px[0] = static_cast<std::uint8_t>(colour >> 16);
                        px[1] = static_cast<std::uint8_t>(colour >> 8);
                        px[2] = static_cast<std::uint8_t>(colour);
                    } else {
                        fillSquare(buffer, pixels, x, y, p, colour);
                    }
                }
            }
        }
    }
    return true;
}

std::int16_t MapRenderer::mapHeight(int x, int y) const {
    if (x < 0 || y < 0 || x >= kWorldWidth || y >= kWorldHeight)
        return 0;
    const auto map = controls::DataFile::open(file("map0.mul"));
    if (!map)
        return 0;
    const std::uint64_t block =
        static_cast<std::uint64_t>(x / 8) * kBlockRows + static_cast<std::uint64_t>(y / 8);
    const std::uint64_t at =
        block * kBlockBytes + 4 + static_cast<std::uint64_t>((y % 8) * 8 + (x % 8)) * 3 + 2;
    std::uint8_t altitude = 0;
    if (!map->readAt(block * kBlockBytes, &altitude, 0) || !map->readAt(at, &altitude, 1))
        return 0;
    return static_cast<std::int8_t>(altitude);
}

}  // namespace kaj::terrain
