// 800 x 600 map views at several zoom levels, each beside its floor: the same map
// strips, statics index strips and statics records read without being decoded. Then
// views of a display's size, 1920 x 1080, at every zoom level, statics where the
// control draws them: the first draw of a new renderer, and a pan by a quarter of
// the view at a time, with what the renderer keeps between draws; each in the world
// of the clients of old (map0.mul, 6144 cells across) and in today's (7168 cells,
// from map0LegacyMUL.uop, and from map0.mul).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "ClientDataWriter.h"
#include "DataFile.h"
#include "MapRenderer.h"
#include "ViewGeometry.h"

namespace {

using namespace kaj;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

std::filesystem::path generatedWorld() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "kaj-bench-world";
        if (!std::filesystem::exists(path / "map0.mul"))
            clientdata::writeMapData(path, 3);
        return path;
    }();
    return folder;
}

// The wide world of today's client, packed (form 1) or in a .mul file (form 2).
std::filesystem::path wideWorld(bool packed) {
    static const std::filesystem::path folders[2] = {
        [] {
            auto path = std::filesystem::temp_directory_path() / "kaj-bench-wide-world-mul";
            if (!std::filesystem::exists(path / "map0.mul"))
                clientdata::writeMapData(path, 3, {.width = 7168});
            return path;
        }(),
        [] {
            auto path = std::filesystem::temp_directory_path() / "kaj-bench-wide-world-uop";
            if (!std::filesystem::exists(path / "map0LegacyMUL.uop"))
                clientdata::writeMapData(
                    path, 3, {.width = 7168, .layout = clientdata::FileLayout::Packages});
            return path;
        }()};
    return folders[packed ? 1 : 0];
}

std::filesystem::path worldOfForm(std::int64_t form) {
    return form == 0 ? generatedWorld() : wideWorld(form == 1);
}

// A view centred on a town, so that statics are there to read.
terrain::MapView viewAt(int zoom, bool statics) {
    return terrain::MapView{static_cast<std::int16_t>(zoom), 192, 192, statics};
}

void RenderMap(benchmark::State& state) {
    const auto view = viewAt(static_cast<int>(state.range(0)), state.range(1) != 0);
    const auto renderer = terrain::MapRenderer::fromFolder(generatedWorld());
    controls::PixelBuffer buffer;
    for (auto _ : state) {
        renderer.render(view, kWidth, kHeight, buffer);
        benchmark::DoNotOptimize(buffer.bytes().data());
    }
}

void ReadMap(benchmark::State& state) {
    const auto view = viewAt(static_cast<int>(state.range(0)), state.range(1) != 0);
    const bool statics = view.drawStatics && view.zoom >= -1;
    const auto z = terrain::zoomParameters(terrain::clampZoom(view.zoom));
    const auto columns =
        terrain::visibleBlocks(view.xCenter, kWidth, terrain::kClassicBlockColumns, z);
    const auto rows = terrain::visibleBlocks(view.yCenter, kHeight, terrain::kBlockRows, z);
    const std::size_t blocks = static_cast<std::size_t>(rows.end - rows.first);
    std::vector<std::uint8_t> strip(blocks * 196);
    std::vector<std::uint8_t> index(blocks * 12);
    std::vector<std::uint8_t> records(64 * 1024);
    for (auto _ : state) {
        auto map = controls::DataFile::open(generatedWorld() / "map0.mul");
        auto staticsIndex = controls::DataFile::open(generatedWorld() / "staidx0.mul");
        auto staticsData = controls::DataFile::open(generatedWorld() / "statics0.mul");
        for (int bx = columns.first; bx < columns.end; bx += z.blockStep) {
            const std::uint64_t first =
                static_cast<std::uint64_t>(bx) * 512 + static_cast<std::uint64_t>(rows.first);
            map->readAt(first * 196, strip.data(), strip.size());
            if (!statics)
                continue;
            staticsIndex->readAt(first * 12, index.data(), index.size());
            for (int by = rows.first; by < rows.end; by += z.blockStep) {
                const std::uint8_t* entry =
                    index.data() + static_cast<std::size_t>(by - rows.first) * 12;
                std::int32_t offset = 0;
                std::int32_t length = 0;
                std::memcpy(&offset, entry, 4);
                std::memcpy(&length, entry + 4, 4);
                if (offset >= 0 && length > 0) {
                    staticsData->readAt(
                        static_cast<std::uint64_t>(offset), records.data(),
                        std::min<std::size_t>(static_cast<std::size_t>(length), records.size()));
                }
            }
        }
        benchmark::DoNotOptimize(strip.data());
    }
}

void zoomLevels(benchmark::internal::Benchmark* b) {
    for (int zoom : {8, 3, 0, -1}) {
        b->Args({zoom, 0});
        b->Args({zoom, 1});
    }
    b->Args({-2, 0});
    b->Args({-4, 0});
    b->ArgNames({"zoom", "statics"});
}

BENCHMARK(RenderMap)->Apply(zoomLevels)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadMap)->Apply(zoomLevels)->Unit(benchmark::kMicrosecond);

constexpr int kDisplayWidth = 1920;
constexpr int kDisplayHeight = 1080;

terrain::MapView displayView(int zoom, int x, int worldWidth) {
    return terrain::MapView{static_cast<std::int16_t>(zoom), static_cast<std::int16_t>(x), 2048,
                            zoom >= -1, worldWidth};
}

void FirstDrawDisplay(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    const auto folder = worldOfForm(state.range(1));
    controls::PixelBuffer buffer;
    for (auto _ : state) {
        state.PauseTiming();
        auto renderer = terrain::MapRenderer::fromFolder(folder);
        const int width = renderer.worldWidth();
        state.ResumeTiming();
        renderer.render(displayView(zoom, width / 2, width), kDisplayWidth, kDisplayHeight, buffer);
        benchmark::DoNotOptimize(buffer.bytes().data());
    }
}

// Each draw moves the view east by a quarter of its width, so a quarter of what it
// shows is new; at the world's edge it starts again from the west, drawn once first.
void PanDisplay(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    const auto z = terrain::zoomParameters(terrain::clampZoom(static_cast<std::int16_t>(zoom)));
    const int quarter = std::max(
        1, z.pixelsPerCell > 1 ? kDisplayWidth / 4 / z.pixelsPerCell : kDisplayWidth / 4 * z.scale);
    const int west = std::min(
        z.pixelsPerCell > 1 ? kDisplayWidth / 2 / z.pixelsPerCell : kDisplayWidth / 2 * z.scale,
        3072);
    auto renderer = terrain::MapRenderer::fromFolder(worldOfForm(state.range(1)));
    const int width = renderer.worldWidth();
    controls::PixelBuffer buffer;
    int x = west;
    renderer.render(displayView(zoom, x, width), kDisplayWidth, kDisplayHeight, buffer);
    std::size_t kept = 0;
    for (auto _ : state) {
        x += quarter;
        if (x >= width - west) {
            state.PauseTiming();
            x = west;
            renderer.render(displayView(zoom, x, width), kDisplayWidth, kDisplayHeight, buffer);
            x += quarter;
            state.ResumeTiming();
        }
        renderer.render(displayView(zoom, x, width), kDisplayWidth, kDisplayHeight, buffer);
        benchmark::DoNotOptimize(buffer.bytes().data());
        kept = std::max(kept, renderer.keptBytes());
    }
    state.counters["kept_MiB"] = static_cast<double>(kept) / (1024.0 * 1024.0);
}

// form 0: the classic world from map0.mul; 1: the wide world from its package;
// 2: the wide world from map0.mul.
void displayZooms(benchmark::internal::Benchmark* b) {
    for (int form = 0; form <= 2; ++form) {
        for (int zoom = 8; zoom >= -4; --zoom) {
            b->Args({zoom, form});
        }
    }
    b->ArgNames({"zoom", "form"});
}

BENCHMARK(FirstDrawDisplay)->Apply(displayZooms)->Unit(benchmark::kMillisecond);
BENCHMARK(PanDisplay)->Apply(displayZooms)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
