// Client packages: the input names where each of eight entries lies and how it is
// kept, and gives the bytes they point into. The entries are filed under the names
// of items, gumps and map parts, so the art control and the map draw from them;
// a raw package, the input itself behind the magic, is opened and looked up too.
#include <string>
#include <vector>

#include "ArtLibrary.h"
#include "ClientPackage.h"
#include "FuzzFiles.h"
#include "FuzzInput.h"
#include "MapBlocks.h"
#include "MapRenderer.h"
#include "PackageNameHash.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

struct FuzzEntry {
    std::uint32_t offset, headerLength, stored, real;
    std::uint16_t compression;
};

// One block of eight entries, filed under the names `name(i)` gives.
template <typename Name>
Bytes package(const std::vector<FuzzEntry>& entries, std::span<const std::uint8_t> data,
              Name name) {
    Bytes file;
    put(file, 0x0050594D, 4);
    put(file, 5, 4);
    put(file, 0, 4);
    put(file, 28, 8);
    put(file, 8, 4);
    put(file, 8, 4);
    put(file, entries.size(), 4);
    put(file, 0, 8);
    const std::uint64_t dataStart = file.size() + entries.size() * 34;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const FuzzEntry& entry = entries[i];
        put(file, dataStart + entry.offset, 8);
        put(file, entry.headerLength, 4);
        put(file, entry.stored, 4);
        put(file, entry.real, 4);
        put(file, kaj::controls::packageNameHash(name(i)), 8);
        put(file, 0, 4);
        put(file, entry.compression, 2);
    }
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    fuzz::FuzzInput input(data, size);
    std::vector<FuzzEntry> entries;
    for (int i = 0; i < 8; ++i) {
        const std::uint32_t offset = input.u16();
        const std::uint32_t header = input.u16() % 64;
        const std::uint32_t stored = input.u32();
        const std::uint32_t real = input.u32();
        entries.push_back(
            {offset, header, stored, real, static_cast<std::uint16_t>(input.u16() % 3)});
    }
    const auto bytes = input.rest();
    static const auto folder = fuzz::scratchFolder("kaj-package-fuzz");

    fuzz::writeFile(folder / "artLegacyMUL.uop", package(entries, bytes, [](std::size_t i) {
                        return controls::numberedEntryName("build/artlegacymul/", 0x4000 + i,
                                                           ".tga");
                    }));
    fuzz::writeFile(folder / "gumpartLegacyMUL.uop", package(entries, bytes, [](std::size_t i) {
                        return controls::numberedEntryName("build/gumpartlegacymul/", i, ".tga");
                    }));
    fuzz::writeFile(folder / "map0LegacyMUL.uop", package(entries, bytes, [](std::size_t i) {
                        return controls::numberedEntryName("build/map0legacymul/", i, ".dat");
                    }));
    const auto library = glyph::ArtLibrary::fromFolder(folder);
    controls::PixelBuffer buffer;
    buffer.resizeForBounds(64, 64);
    for (std::uint32_t n = 0; n < 8; ++n) {
        glyph::ArtProperties item{glyph::kArtItems, n, 3};
        library.draw(item, buffer, 0);
        glyph::ArtProperties gump{glyph::kArtGumps, n, 0};
        library.draw(gump, buffer, 0);
    }
    const auto map = terrain::MapRenderer::fromFolder(folder);
    terrain::MapView view;
    view.zoom = -4;
    map.render(view, 64, 64, buffer);
    map.mapHeight(5, 5);
    map.mapHeight(6000, 4000);

    // The input itself as a package: its table wherever the input puts it.
    Bytes raw = {'M', 'Y', 'P', 0};
    raw.insert(raw.end(), data, data + size);
    fuzz::writeFile(folder / "raw.uop", raw);
    if (const auto opened = controls::ClientPackage::open(folder / "raw.uop")) {
        fuzz::FuzzInput keys(data, size);
        for (int i = 0; i < 4; ++i) {
            const std::uint64_t key = keys.u32() | static_cast<std::uint64_t>(keys.u32()) << 32;
            if (const auto entry = opened->find(key)) {
                opened->read(*entry);
            }
        }
    }
    return 0;
}
