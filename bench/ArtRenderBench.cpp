// Each art kind rendered at 200 x 200, and all items of a 16,384-item art file,
// beside the floor: opening the files and reading the same record bytes only. The
// kinds today's client packs, read from its packages; and the opening of a package
// of 0x14000 entries, as large as today's art package.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "ArtLibrary.h"
#include "ClientDataWriter.h"
#include "ClientPackage.h"
#include "DataFile.h"
#include "PackageWriter.h"

namespace {

using namespace kaj;

std::filesystem::path demoClient() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "kaj-bench-client";
        clientdata::writeClientData(path, {});
        return path;
    }();
    return folder;
}

std::filesystem::path packedClient() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "kaj-bench-packed-client";
        clientdata::writeClientData(path, {.layout = clientdata::FileLayout::Packages});
        return path;
    }();
    return folder;
}

// An art file of 16,384 items of 44 x 44 with a run or two per row.
std::filesystem::path manyItems() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "kaj-bench-items";
        std::filesystem::create_directories(path);
        std::vector<std::uint8_t> data;
        std::vector<std::uint8_t> index(0x8000 * 12, 0xFF);
        auto put16 = [](std::vector<std::uint8_t>& out, unsigned v) {
            out.push_back(static_cast<std::uint8_t>(v));
            out.push_back(static_cast<std::uint8_t>(v >> 8));
        };
        std::uint32_t state = 12345;
        for (unsigned item = 0; item < 0x4000; ++item) {
            const std::size_t start = data.size();
            put16(data, 1);
            put16(data, 0);
            put16(data, 44);
            put16(data, 44);
            std::vector<std::uint8_t> pixels;
            std::vector<unsigned> offsets;
            for (int row = 0; row < 44; ++row) {
                offsets.push_back(static_cast<unsigned>(pixels.size() / 2));
                state = state * 1103515245u + 12345u;
                const unsigned skip = (state >> 16) % 10;
                const unsigned length = 44 - skip - (state >> 20) % 10;
                put16(pixels, skip);
                put16(pixels, length);
                for (unsigned i = 0; i < length; ++i)
                    put16(pixels, (state >> 8) & 0x7FFF);
                put16(pixels, 0);
                put16(pixels, 0);
            }
            for (unsigned offset : offsets)
                put16(data, offset);
            data.insert(data.end(), pixels.begin(), pixels.end());
            const std::uint32_t entry[3] = {static_cast<std::uint32_t>(start),
                                            static_cast<std::uint32_t>(data.size() - start), 0};
            std::memcpy(&index[(0x4000 + item) * 12], entry, 12);
        }
        std::ofstream(path / "art.mul", std::ios::binary)
            .write(reinterpret_cast<const char*>(data.data()),
                   static_cast<std::streamsize>(data.size()));
        std::ofstream(path / "artidx.mul", std::ios::binary)
            .write(reinterpret_cast<const char*>(index.data()),
                   static_cast<std::streamsize>(index.size()));
        return path;
    }();
    return folder;
}

struct Kind {
    std::int16_t type;
    std::uint32_t index;
    const char* data;
    const char* indexFile;
};
const Kind kKinds[] = {
    {glyph::kArtItems, 3, "art.mul", "artidx.mul"},
    {glyph::kArtNpcs, 400, "anim.mul", "anim.idx"},
    {glyph::kArtMultis, 0, "multi.mul", "multi.idx"},
    {glyph::kArtGumps, 0, "gumpart.mul", "gumpidx.mul"},
    {glyph::kArtLandscape, 3, "art.mul", "artidx.mul"},
    {glyph::kArtTextures, 1, "texmaps.mul", "texidx.mul"},
    {glyph::kArtCharTests, 1, "art.mul", "artidx.mul"},
    {glyph::kArtLights, 0, "light.mul", "lightidx.mul"},
};

// range(1): 0 the .mul files of old, 1 the packages of today's client (for the kinds
// it packs: items, multis, whose items come from the art package, gumps, land and
// character tests).
void RenderKind(benchmark::State& state) {
    const Kind& kind = kKinds[state.range(0)];
    const auto library =
        glyph::ArtLibrary::fromFolder(state.range(1) == 0 ? demoClient() : packedClient());
    controls::PixelBuffer buffer;
    buffer.resizeForBounds(200, 200);
    for (auto _ : state) {
        glyph::ArtProperties properties{kind.type, kind.index, 0};
        library.draw(properties, buffer, 0xF0F0F0);
        benchmark::DoNotOptimize(buffer.bytes().data());
    }
    state.SetLabel(glyph::artTypeName(kind.type));
}
BENCHMARK(RenderKind)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 7, 1), {0}})
    ->ArgsProduct({{0, 2, 3, 4, 6}, {1}});

// The floor of a kind: the same files opened and the same record read, nothing decoded.
void ReadKind(benchmark::State& state) {
    const Kind& kind = kKinds[state.range(0)];
    const auto index = glyph::renderedIndex(kind.type, kind.index).value();
    for (auto _ : state) {
        auto data = controls::DataFile::open(demoClient() / kind.data);
        auto indexFile = controls::DataFile::open(demoClient() / kind.indexFile);
        auto record = indexFile->indexRecord(index);
        auto bytes = data->recordBytes(*record);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(glyph::artTypeName(kind.type));
}
BENCHMARK(ReadKind)->DenseRange(0, 7);

void RenderAllItems(benchmark::State& state) {
    const auto library = glyph::ArtLibrary::fromFolder(manyItems());
    controls::PixelBuffer buffer;
    buffer.resizeForBounds(200, 200);
    for (auto _ : state) {
        for (std::uint32_t item = 0; item < 0x4000; ++item) {
            glyph::ArtProperties properties{glyph::kArtItems, item, 0};
            library.draw(properties, buffer, 0xF0F0F0);
        }
        benchmark::DoNotOptimize(buffer.bytes().data());
    }
    state.SetItemsProcessed(state.iterations() * 0x4000);
}
BENCHMARK(RenderAllItems)->Unit(benchmark::kMillisecond);

// A package of 0x14000 small entries, as many as today's art package holds.
std::filesystem::path largePackage() {
    static const std::filesystem::path file = [] {
        auto path = std::filesystem::temp_directory_path() / "kaj-bench-large.uop";
        clientdata::PackageWriter writer(5, 100);
        for (std::uint32_t n = 0; n < 0x14000; ++n) {
            writer.add(controls::numberedEntryName("build/artlegacymul/", n, ".tga"),
                       std::vector<std::uint8_t>(16, static_cast<std::uint8_t>(n)));
        }
        writer.write(path);
        return path;
    }();
    return file;
}

void OpenLargePackage(benchmark::State& state) {
    const auto file = largePackage();
    for (auto _ : state) {
        auto package = controls::ClientPackage::open(file);
        benchmark::DoNotOptimize(package->entryCount());
    }
}
BENCHMARK(OpenLargePackage)->Unit(benchmark::kMillisecond);

// The art control's creation on today's client folder: its packages opened.
void OpenPackedLibrary(benchmark::State& state) {
    const auto folder = packedClient();
    for (auto _ : state) {
        auto library = glyph::ArtLibrary::fromFolder(folder);
        benchmark::DoNotOptimize(&library);
    }
}
BENCHMARK(OpenPackedLibrary)->Unit(benchmark::kMillisecond);

void ReadAllItems(benchmark::State& state) {
    const auto folder = manyItems();
    for (auto _ : state) {
        for (std::uint32_t item = 0; item < 0x4000; ++item) {
            auto data = controls::DataFile::open(folder / "art.mul");
            auto indexFile = controls::DataFile::open(folder / "artidx.mul");
            auto bytes = data->recordBytes(*indexFile->indexRecord(0x4000 + item));
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * 0x4000);
}
BENCHMARK(ReadAllItems)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
