// Today's client keeps art, gumps and the map in packages, numbers items to 0xFFFF
// and has a wider map: the same data in either form gives the same pictures.
#include <gtest/gtest.h>

#include <algorithm>

#include "ArtLibrary.h"
#include "ClientDataWriter.h"
#include "Colour555.h"
#include "MapBlocks.h"
#include "MapRenderer.h"
#include "PackageWriter.h"
#include "TempFolder.h"
#include "ViewGeometry.h"

namespace kaj {
namespace {

using clientdata::FileLayout;
using controls::PixelBuffer;
using kaj::testing::TempFolder;

constexpr std::uint32_t kBackground = 0x00F0F0F0;

// The client data of one seed, written once in each form.
struct ClientForms {
    TempFolder mul;
    TempFolder packed;
    ClientForms() {
        clientdata::writeClientData(mul.path(), {.seed = 21});
        clientdata::writeClientData(packed.path(), {.seed = 21, .layout = FileLayout::Packages});
    }
};
const ClientForms& clientForms() {
    static const ClientForms forms;
    return forms;
}

// The wide world in each form, made once: 7168 cells across.
struct WorldForms {
    TempFolder mul;
    TempFolder packed;
    WorldForms() {
        clientdata::writeMapData(mul.path(), 6, {.width = 7168});
        clientdata::writeMapData(packed.path(), 6, {.width = 7168, .layout = FileLayout::Packages});
    }
};
const WorldForms& worldForms() {
    static const WorldForms forms;
    return forms;
}

std::vector<std::uint8_t> drawn(const glyph::ArtLibrary& library, std::int16_t type,
                                std::uint32_t index, std::uint16_t hue = 0) {
    PixelBuffer buffer;
    buffer.resizeForBounds(360, 240);
    glyph::ArtProperties properties{type, index, hue};
    library.draw(properties, buffer, kBackground);
    return {buffer.bytes().begin(), buffer.bytes().end()};
}

TEST(PackagedClient, ArtAndGumpsDrawAlikeFromPackagesAndMulFiles) {
    const auto& forms = clientForms();
    EXPECT_FALSE(std::filesystem::exists(forms.packed / "art.mul"));
    EXPECT_FALSE(std::filesystem::exists(forms.packed / "gumpidx.mul"));
    const auto fromMul = glyph::ArtLibrary::fromFolder(forms.mul.path());
    const auto fromPackages = glyph::ArtLibrary::fromFolder(forms.packed.path());
    EXPECT_FALSE(fromMul.recordsOf(glyph::kArtItems).packaged());
    EXPECT_TRUE(fromPackages.recordsOf(glyph::kArtItems).packaged());
    EXPECT_TRUE(fromPackages.recordsOf(glyph::kArtGumps).packaged());

    const std::vector<std::uint8_t> blank = drawn(fromMul, glyph::kArtItems, 0x2000);
    struct Case {
        std::int16_t type;
        std::uint32_t index;
        std::uint16_t hue;
        bool drawsSomething;
    };
    std::vector<Case> cases;
    for (std::uint32_t item = 0; item < 16; ++item) {
        cases.push_back({glyph::kArtItems, item, 0, item != 4 && item != 5});
    }
    for (std::uint32_t item : {0x3FFFu, 0x4010u, 0x8123u, 0xC000u, 0xFFFFu}) {
        cases.push_back({glyph::kArtItems, item, 0, true});
        cases.push_back({glyph::kArtItems, item, 9, true});
    }
    cases.push_back({glyph::kArtItems, 0x10000, 0, false});
    for (std::uint32_t land = 0; land <= 17; ++land) {
        cases.push_back({glyph::kArtLandscape, land, 0, land <= 16});
    }
    for (std::uint32_t test : {0u, 3u, 20399u}) {
        cases.push_back({glyph::kArtCharTests, test, 0, true});
    }
    for (std::uint32_t gump = 0; gump <= 4; ++gump) {
        cases.push_back({glyph::kArtGumps, gump, 0, gump != 1 && gump != 4});
    }
    for (std::uint32_t multi : {0u, 1u, 2u, 8181u}) {
        cases.push_back({glyph::kArtMultis, multi, 0, true});
    }
    for (const auto& c : cases) {
        const auto expected = drawn(fromMul, c.type, c.index, c.hue);
        EXPECT_EQ(drawn(fromPackages, c.type, c.index, c.hue), expected)
            << "type " << c.type << " index " << c.index << " hue " << c.hue;
        EXPECT_EQ(expected != blank, c.drawsSomething) << "type " << c.type << " index " << c.index;
    }
}

TEST(PackagedClient, AnUnreadablePackageGivesWayToTheMulFiles) {
    TempFolder folder;
    clientdata::writeClientData(folder.path(), {.seed = 21});
    folder.write("ARTLEGACYMUL.UOP", "not a package at all");
    const auto library = glyph::ArtLibrary::fromFolder(folder.path());
    EXPECT_FALSE(library.recordsOf(glyph::kArtItems).packaged());
    EXPECT_EQ(
        drawn(library, glyph::kArtItems, 0xFFFF),
        drawn(glyph::ArtLibrary::fromFolder(clientForms().mul.path()), glyph::kArtItems, 0xFFFF));
}

TEST(PackagedClient, TheWideMapDrawsAlikeFromItsPackageAndItsFile) {
    const auto& forms = worldForms();
    EXPECT_FALSE(std::filesystem::exists(forms.packed / "map0.mul"));
    const auto fromMul = terrain::MapRenderer::fromFolder(forms.mul.path());
    const auto fromPackage = terrain::MapRenderer::fromFolder(forms.packed.path());
    EXPECT_EQ(fromMul.worldWidth(), 7168);
    EXPECT_EQ(fromPackage.worldWidth(), 7168);
    ASSERT_TRUE(terrain::MapBlocks::open(forms.packed.path())->packaged());

    const std::pair<int, int> centres[] = {{0, 0},       {3584, 2048}, {6143, 1000},
                                           {6144, 4095}, {7167, 0},    {7167, 4095}};
    for (int zoom = 8; zoom >= -4; --zoom) {
        for (bool statics : {false, true}) {
            for (const auto& [x, y] : centres) {
                terrain::MapView view;
                view.worldWidth = fromMul.worldWidth();
                view.zoom = static_cast<std::int16_t>(zoom);
                view.drawStatics = statics;
                ASSERT_TRUE(terrain::centreView(view, static_cast<std::int16_t>(x),
                                                static_cast<std::int16_t>(y)) ||
                            (x == view.xCenter && y == view.yCenter));
                PixelBuffer a;
                PixelBuffer b;
                ASSERT_TRUE(fromMul.render(view, 320, 200, a));
                ASSERT_TRUE(fromPackage.render(view, 320, 200, b));
                EXPECT_TRUE(a.bytes() == b.bytes())
                    << "zoom " << zoom << " statics " << statics << " at " << x << "," << y;
            }
        }
    }
    // The east beyond the old edge is drawn, not black.
    terrain::MapView east;
    east.worldWidth = 7168;
    ASSERT_TRUE(terrain::centreView(east, 6900, 2000));
    PixelBuffer picture;
    ASSERT_TRUE(fromPackage.render(east, 160, 160, picture));
    EXPECT_NE(std::count(picture.bytes().begin(), picture.bytes().end(), 0),
              static_cast<std::ptrdiff_t>(picture.bytes().size()));

    for (const auto& [x, y] : {std::pair{0, 0}, {9, 1}, {6150, 77}, {7167, 4095}, {5000, 3000}}) {
        EXPECT_EQ(fromPackage.mapHeight(x, y), fromMul.mapHeight(x, y)) << x << "," << y;
        EXPECT_EQ(fromPackage.mapHeight(x, y), clientdata::generatedCell(6, x, y).altitude);
    }
    EXPECT_EQ(fromPackage.mapHeight(7168, 0), 0);
}

TEST(PackagedClient, MapEntriesReadAcrossTheirEdgesPackedOrNot) {
    TempFolder folder;
    const std::size_t entryBytes = terrain::MapBlocks::kBlocksPerEntry * terrain::kBlockBytes;
    std::string blocks(entryBytes * 2 + 1000, '\0');
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        blocks[i] = static_cast<char>((i * 7 + i / 991) & 0xFF);
    }
    clientdata::PackageWriter writer(3);  // its second entry goes deflated
    for (std::size_t at = 0, k = 0; at < blocks.size(); at += entryBytes, ++k) {
        const std::string name = controls::numberedEntryName("build/map0legacymul/", k, ".dat");
        const std::string part = blocks.substr(at, entryBytes);
        writer.add(name, {part.begin(), part.end()});
    }
    writer.write(folder / "map0LegacyMUL.uop");
    const auto map = terrain::MapBlocks::open(folder.path());
    ASSERT_TRUE(map);
    EXPECT_EQ(map->size(), blocks.size());
    for (const auto& [at, n] : {std::pair<std::size_t, std::size_t>{0, 196},
                                {entryBytes - 100, 300},
                                {entryBytes + 5, 196},
                                {2 * entryBytes - 10, 1010},
                                {10, 2 * entryBytes + 990}}) {
        std::string read(n, '\0');
        ASSERT_TRUE(map->readAt(at, read.data(), n)) << at;
        EXPECT_TRUE(read == blocks.substr(at, n)) << at;
    }
    char past[2];
    EXPECT_FALSE(map->readAt(blocks.size() - 1, past, 2));
}

TEST(PackagedClient, StaticsOfHighObjectsTakeTheirOwnColourNotALandTiles) {
    const auto& forms = worldForms();
    const auto wide = terrain::ColourTable::load(forms.mul / "radarcol.mul");
    const std::uint32_t yellow = controls::convertColour555(31 << 10 | 31 << 5);
    EXPECT_EQ(wide.staticObject(0xC350), yellow);
    EXPECT_NE(wide.land(0x0350), yellow);
    // A table of the old length has no entry for it: black, not the land tile's.
    TempFolder classic;
    classic.write("radarcol.mul", TempFolder::read(forms.mul / "radarcol.mul").substr(0, 0x20000));
    const auto old = terrain::ColourTable::load(classic / "radarcol.mul");
    EXPECT_EQ(old.staticObject(0xC350), 0u);
    EXPECT_EQ(old.land(0x0350), wide.land(0x0350));
}

}  // namespace
}  // namespace kaj
