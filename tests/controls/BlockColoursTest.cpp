// The map drawn from colours kept between renders is the map drawn from the files:
// every render of a sequence (zooms, statics on and off, centres at the world's
// edges, a display-sized view, pans) is compared with a reference drawn here from
// the files alone, one block at a time.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "ClientDataWriter.h"
#include "DataFile.h"
#include "GeneratedWorld.h"
#include "MapRenderer.h"
#include "TempFolder.h"
#include "ViewGeometry.h"

namespace kaj::terrain {
namespace {

using controls::DataFile;
using controls::PixelBuffer;
using kaj::testing::TempFolder;

const TempFolder& world() {
    return kaj::testing::generatedWorld<11>();
}

// The colour of every cell of a block as the map shows it: the land's radar colour,
// or that of the highest static standing at or above the ground (the later one of
// equals).
class ReferenceBlocks {
  public:
    explicit ReferenceBlocks(const std::filesystem::path& folder)
        : map_(DataFile::open(folder / "map0.mul")),
          index_(DataFile::open(folder / "staidx0.mul")),
          statics_(DataFile::open(folder / "statics0.mul")) {
        const std::string radar = TempFolder::read(folder / "radarcol.mul");
        for (std::size_t i = 0; i + 1 < radar.size() && i / 2 < 65536; i += 2) {
            const auto value =
                static_cast<std::uint16_t>(static_cast<std::uint8_t>(radar[i]) |
                                           (static_cast<std::uint8_t>(radar[i + 1]) << 8));
            // 1-5-5-5 to blue-green-red bytes, each channel v * 255 / 31.
            const std::uint32_t r = ((value >> 10) & 31) * 255 / 31;
            const std::uint32_t g = ((value >> 5) & 31) * 255 / 31;
            const std::uint32_t b = (value & 31) * 255 / 31;
            radar_[i / 2] = (b << 16) | (g << 8) | r;
        }
    }

    std::uint32_t cell(int bx, int by, int cx, int cy, bool statics) {
        const auto key = std::make_tuple(bx, by, statics);
        auto found = blocks_.find(key);
        if (found == blocks_.end()) {
            found = blocks_.emplace(key, decode(bx, by, statics)).first;
        }
        return found->second[static_cast<std::size_t>(cy * 8 + cx)];
    }

  private:
    std::array<std::uint32_t, 64> decode(int bx, int by, bool statics) const {
        const std::uint64_t block =
            static_cast<std::uint64_t>(bx) * 512 + static_cast<std::uint64_t>(by);
        std::array<std::uint8_t, 196> bytes{};
        if (block * 196 < map_->size()) {
            map_->readAt(
                block * 196, bytes.data(),
                static_cast<std::size_t>(std::min<std::uint64_t>(196, map_->size() - block * 196)));
        }
        std::array<std::uint32_t, 64> colours{};
        std::array<int, 64> top{};
        top.fill(-1000);
        std::array<std::uint16_t, 64> object{};
        if (statics && (block + 1) * 12 <= index_->size()) {
            std::uint8_t entry[12];
            index_->readAt(block * 12, entry, 12);
            std::int32_t offset = 0;
            std::int32_t length = 0;
            std::memcpy(&offset, entry, 4);
            std::memcpy(&length, entry + 4, 4);
            if (offset >= 0 && length >= 7 &&
                static_cast<std::uint64_t>(offset) < statics_->size()) {
                const std::uint64_t count = std::min<std::uint64_t>(
                    static_cast<std::uint64_t>(length) / 7,
                    (statics_->size() - static_cast<std::uint64_t>(offset)) / 7);
                for (std::uint64_t r = 0; r < count; ++r) {
                    std::uint8_t record[7];
                    statics_->readAt(static_cast<std::uint64_t>(offset) + r * 7, record, 7);
                    if (record[2] > 7 || record[3] > 7) {
                        continue;
                    }
                    const int at = record[3] * 8 + record[2];
                    const int altitude = static_cast<std::int8_t>(record[4]);
                    if (altitude >= top[static_cast<std::size_t>(at)]) {
                        top[static_cast<std::size_t>(at)] = altitude;
                        object[static_cast<std::size_t>(at)] =
                            static_cast<std::uint16_t>(record[0] | (record[1] << 8));
                    }
                }
            }
        }
        for (int c = 0; c < 64; ++c) {
            const std::uint8_t* land = bytes.data() + 4 + c * 3;
            const int ground = static_cast<std::int8_t>(land[2]);
            colours[static_cast<std::size_t>(c)] =
                top[static_cast<std::size_t>(c)] >= ground
                    ? radar_[static_cast<std::uint16_t>(object[static_cast<std::size_t>(c)] +
                                                        0x4000)]
                    : radar_[static_cast<std::uint16_t>(land[0] | (land[1] << 8))];
        }
        return colours;
    }

    std::optional<DataFile> map_, index_, statics_;
    std::array<std::uint32_t, 65536> radar_{};
    std::map<std::tuple<int, int, bool>, std::array<std::uint32_t, 64>> blocks_;
};

// The view drawn pixel by pixel from the reference: the same blocks, samples and
// squares the control's geometry gives.
std::vector<std::uint8_t> referencePicture(ReferenceBlocks& reference, const MapView& view,
                                           int width, int height) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width * height) * 3, 0);
    const std::int16_t zoom = clampZoom(view.zoom);
    const bool statics = view.drawStatics && zoom >= -1;
    const auto z = zoomParameters(zoom);
    const auto columns = visibleBlocks(view.xCenter, width, kClassicBlockColumns, z);
    const auto rows = visibleBlocks(view.yCenter, height, kBlockRows, z);
    for (int bx = columns.first; bx < columns.end && bx < kClassicBlockColumns; bx += z.blockStep) {
        for (int by = rows.first; by < rows.end; by += z.blockStep) {
            for (int j = 0; j < z.samplesPerBlock; ++j) {
                for (int i = 0; i < z.samplesPerBlock; ++i) {
                    const std::uint32_t colour = reference.cell(bx, by, i * 8 / z.samplesPerBlock,
                                                                j * 8 / z.samplesPerBlock, statics);
                    const int x0 = z.pixelsPerCell *
                                   (z.samplesPerBlock * ((bx - columns.edge) / z.blockStep) + i);
                    const int y0 = z.pixelsPerCell *
                                   (z.samplesPerBlock * ((by - rows.edge) / z.blockStep) + j);
                    for (int y = std::max(y0, 0); y < std::min(y0 + z.pixelsPerCell, height); ++y) {
                        for (int x = std::max(x0, 0); x < std::min(x0 + z.pixelsPerCell, width);
                             ++x) {
                            std::uint8_t* p =
                                pixels.data() + static_cast<std::size_t>(y * width + x) * 3;
                            p[0] = static_cast<std::uint8_t>(colour >> 16);
                            p[1] = static_cast<std::uint8_t>(colour >> 8);
                            p[2] = static_cast<std::uint8_t>(colour);
                        }
                    }
                }
            }
        }
    }
    return pixels;
}

TEST(BlockColours, EveryRenderOfASequenceIsThePictureTheFilesGive) {
    const auto renderer = MapRenderer::fromFolder(world().path());
    ReferenceBlocks reference(world().path());
    struct Step {
        int zoom, x, y, width, height;
        bool statics;
    };
    const Step steps[] = {
        {0, 192, 192, 400, 296, true},       {0, 192, 192, 400, 296, false},
        {0, 292, 192, 400, 296, true},       {0, 192, 192, 400, 296, true},  // a pan, then back
        {-1, 0, 0, 320, 240, true},          {-1, 6143, 4095, 320, 240, true},
        {-2, 3072, 2048, 400, 296, false},   {-3, 100, 4000, 400, 296, false},
        {-4, 3072, 2048, 1920, 1080, false}, {-4, 0, 0, 640, 480, true},
        {1, 6100, 10, 400, 296, true},       {3, 3000, 2000, 200, 200, true},
        {8, 3072, 2048, 512, 512, false},    {0, 3072, 2048, 1920, 1080, true},
        {0, 3552, 2048, 1920, 1080, true},  // a quarter of the view to the east
        {-1, 7000, -30, 400, 296, true},
    };
    PixelBuffer buffer;
    for (const auto& step : steps) {
        SCOPED_TRACE(::testing::Message()
                     << "zoom " << step.zoom << " at " << step.x << "," << step.y << " "
                     << step.width << "x" << step.height << (step.statics ? " with statics" : ""));
        const MapView view{static_cast<std::int16_t>(step.zoom), static_cast<std::int16_t>(step.x),
                           static_cast<std::int16_t>(step.y), step.statics};
        buffer.resizeForBounds(step.width, step.height);
        std::fill(const_cast<std::uint8_t*>(buffer.bytes().data()),
                  const_cast<std::uint8_t*>(buffer.bytes().data()) + buffer.bytes().size(), 0);
        ASSERT_TRUE(renderer.render(view, step.width, step.height, buffer));
        const auto expected = referencePicture(reference, view, buffer.width(), buffer.height());
        ASSERT_EQ(buffer.bytes().size(), expected.size());
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), buffer.bytes().begin()));
        EXPECT_LE(renderer.keptBytes(), BlockColours::kDefaultBudget);
    }
}

TEST(BlockColours, KeptColoursStayWithinTheirBudgetAndGoWhenTheFilesChange) {
    TempFolder folder;
    clientdata::writeMapData(folder.path(), 4);
    const auto renderer = MapRenderer::fromFolder(folder.path());
    PixelBuffer buffer;
    const MapView whole{0, 3072, 2048, true};
    ASSERT_TRUE(renderer.render(whole, 1920, 1080, buffer));
    EXPECT_GT(renderer.keptBytes(), 0u);
    EXPECT_LE(renderer.keptBytes(), BlockColours::kDefaultBudget);

    // A kept-colour store of a small budget keeps the last render's chunks at most.
    BlockColours small(std::size_t{1} << 20);
    auto map = MapBlocks::open(folder.path());
    const ColourTable colours;
    const MapFiles files{&*map, kClassicBlockColumns, nullptr, nullptr};
    for (int bx = 0; bx < 768; bx += 16) {
        small.prepareColumn(bx, 100, 101, 8, files, colours);
        small.endRender();
        EXPECT_LE(small.bytes(), std::size_t{1} << 20);
    }

    // The map rewritten (another seed): the next render shows the new files.
    const std::vector<std::uint8_t> before(buffer.bytes().begin(), buffer.bytes().end());
    clientdata::writeMapData(folder.path(), 9);
    ASSERT_TRUE(renderer.render(whole, 1920, 1080, buffer));
    ReferenceBlocks reference(folder.path());
    const auto expected = referencePicture(reference, whole, buffer.width(), buffer.height());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), buffer.bytes().begin()));
    EXPECT_FALSE(std::equal(before.begin(), before.end(), buffer.bytes().begin()));
}

}  // namespace
}  // namespace kaj::terrain
