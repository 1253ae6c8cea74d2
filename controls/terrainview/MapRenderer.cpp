#include "MapRenderer.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

#include "ClientFolder.h"
#include "Colour555.h"
#include "DataFile.h"
#include "LittleEndian.h"
#include "MapBlocks.h"
#include "ReadOnlyFile.h"
#include "ViewGeometry.h"

namespace kaj::terrain {

ColourTable::ColourTable() : colours_(kEntries, 0) {}

ColourTable ColourTable::load(const std::filesystem::path& radarcol) {
    ColourTable table;
    const auto file = platform::ReadOnlyFile::open(radarcol);
    if (!file) {
        return table;
    }
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(file->size(), kEntries * 2)), 0);
    if (!file->readAt(0, bytes.data(), bytes.size())) {
        return table;
    }
    const std::size_t got = bytes.size() / 2;
    for (std::size_t i = 0; i < got; ++i) {
        table.colours_[i] = controls::convertColour555(controls::readLittle16(&bytes[i * 2]));
    }
    return table;
}

MapRenderer::MapRenderer(std::filesystem::path clientFolder, ColourTable colours)
    : folder_(std::move(clientFolder)),
      colours_(std::move(colours)),
      kept_(std::make_shared<Kept>()) {}

MapRenderer MapRenderer::fromFolder(const std::filesystem::path& clientFolder) {
    MapRenderer renderer(clientFolder, {});
    renderer.colours_ = ColourTable::load(renderer.file("radarcol.mul"));
    if (const auto map = MapBlocks::open(clientFolder)) {
        renderer.kept_->blockColumns = mapBlockColumns(map->size());
    }
    return renderer;
}

std::filesystem::path MapRenderer::file(const std::string& name) const {
    return controls::clientFile(folder_, name);
}

bool MapRenderer::render(const MapView& view, int boundsWidth, int boundsHeight,
                         controls::PixelBuffer& buffer) const {
    const std::int16_t zoom = clampZoom(view.zoom);
    const bool statics = view.drawStatics && zoom >= -1;
    const auto map = MapBlocks::open(folder_);
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
    // Colours kept from earlier renders hold while the files are as they were.
    const FilesStamp stamp = filesStamp();
    if (stamp != kept_->stamp) {
        kept_->colours.clear();
        kept_->stamp = stamp;
    }
    kept_->blockColumns = mapBlockColumns(map->size());
    const MapFiles files{&*map, kept_->blockColumns, statics ? &*staticsIndex : nullptr,
                         statics ? &*staticsData : nullptr};

    buffer.resizeForBounds(boundsWidth, boundsHeight);
    const int width = buffer.width();
    const int height = buffer.height();
    const ZoomParameters z = zoomParameters(zoom);
    const BlockRange columns = visibleBlocks(view.xCenter, width, kept_->blockColumns, z);
    const BlockRange rows = visibleBlocks(view.yCenter, height, kBlockRows, z);
    if (columns.end <= columns.first || rows.end <= rows.first)
        return true;

    auto* pixels = const_cast<std::uint8_t*>(buffer.bytes().data());
    const int cellPixels = z.pixelsPerCell;  // pixels a cell side, or a sample side
    const int samples = z.samplesPerBlock;   // samples a block side
    const int step = z.blockStep;            // one block drawn in every step
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    // The columns drawn, in runs that lie in one chunk of kept pixels, each with the
    // samples across that fall inside the view.
    struct ColumnRun {
        int firstBx = 0;
        int count = 0;
        int firstX = 0;  // of the run's first sample, inside the view or not
        int firstI = 0;  // of the first column
        int endI = 0;    // of the last column
    };
    std::vector<ColumnRun> runs;
    std::vector<int> shown;  // the columns the view shows, made ready together
    int drawnFirstX = width;
    int drawnEndX = 0;
    for (int bx = columns.first; bx < columns.end; bx += step) {
        const int columnX = cellPixels * samples * ((bx - columns.edge) / step);
        const int firstI = std::max(0, -columnX / cellPixels);
        const int endI = std::min(samples, (width - columnX + cellPixels - 1) / cellPixels);
        if (firstI >= endI)
            continue;
        shown.push_back(bx);
        drawnFirstX = std::min(drawnFirstX, std::max(0, columnX + cellPixels * firstI));
        drawnEndX = std::max(drawnEndX, std::min(width, columnX + cellPixels * endI));
        const bool joins =
            !runs.empty() && runs.back().endI == samples && firstI == 0 &&
            (runs.back().firstBx / BlockColours::kChunkSide == bx / BlockColours::kChunkSide);
        if (joins) {
            ++runs.back().count;
            runs.back().endI = endI;
        } else {
            runs.push_back({bx, 1, columnX, firstI, endI});
        }
    }
    kept_->colours.prepareColumns(shown, rows.first, rows.end, samples, files, colours_);
    if (drawnFirstX >= drawnEndX)
        return true;
    const std::size_t drawnBytes = static_cast<std::size_t>(drawnEndX - drawnFirstX) * 3;

    for (int by = rows.first; by < rows.end; by += step) {
        const int rowY = cellPixels * samples * ((by - rows.edge) / step);
        for (int j = 0; j < samples; ++j) {
            const int y = rowY + cellPixels * j;
            if (y >= height || y + cellPixels <= 0)
                continue;
            const int firstY = std::max(y, 0);
            const int endY = std::min(y + cellPixels, height);
            std::uint8_t* line = pixels + static_cast<std::size_t>(firstY) * stride;
            for (const ColumnRun& run : runs) {
                const std::uint8_t* source =
                    kept_->colours.row(run.firstBx, by, j, samples, statics);
                if (cellPixels == 1 && step == 1) {
                    // Samples of neighbouring columns lie side by side, as on the screen.
                    const int first = run.firstI;
                    const int end = (run.count - 1) * samples + run.endI;
                    std::memcpy(line + static_cast<std::size_t>(run.firstX + first) * 3,
                                source + static_cast<std::size_t>(first) * 3,
                                static_cast<std::size_t>(end - first) * 3);
                    continue;
                }
                for (int k = 0; k < run.count; ++k) {
                    const int firstI = k == 0 ? run.firstI : 0;
                    const int endI = k == run.count - 1 ? run.endI : samples;
                    const std::uint8_t* column =
                        source + static_cast<std::size_t>(k * step * samples) * 3;
                    const int columnX = run.firstX + cellPixels * samples * k;
                    for (int i = firstI; i < endI; ++i) {
                        const int x = std::max(columnX + cellPixels * i, 0);
                        const int endX = std::min(columnX + cellPixels * (i + 1), width);
                        for (std::uint8_t* px = line + static_cast<std::size_t>(x) * 3;
                             px < line + static_cast<std::size_t>(endX) * 3; px += 3) {
                            std::memcpy(px, column + static_cast<std::size_t>(i) * 3, 3);
                        }
                    }
                }
            }
            for (int copy = firstY + 1; copy < endY; ++copy) {
                std::memcpy(pixels + static_cast<std::size_t>(copy) * stride +
                                static_cast<std::size_t>(drawnFirstX) * 3,
                            line + static_cast<std::size_t>(drawnFirstX) * 3, drawnBytes);
            }
        }
    }
    kept_->colours.endRender();
    return true;
}

MapRenderer::FilesStamp MapRenderer::filesStamp() const {
    FilesStamp stamp;
    std::vector<std::filesystem::path> paths = MapBlocks::candidateFiles(folder_);
    paths.push_back(file("staidx0.mul"));
    paths.push_back(file("statics0.mul"));
    std::size_t i = 0;
    for (const auto& path : paths) {
        std::error_code error;
        stamp.sizes[i] = std::filesystem::file_size(path, error);
        stamp.times[i] = std::filesystem::last_write_time(path, error);
        ++i;
    }
    return stamp;
}

std::size_t MapRenderer::keptBytes() const {
    return kept_->colours.bytes();
}

std::int16_t MapRenderer::mapHeight(int x, int y) const {
    if (x < 0 || y < 0 || y >= kWorldHeight)
        return 0;
    const auto map = MapBlocks::open(folder_);
    if (!map || x >= mapBlockColumns(map->size()) * 8)
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
