#include <gtest/gtest.h>

#include "ArtLibrary.h"
#include "Colour555.h"
#include "MulFiles.h"
#include "TempFolder.h"
#include "TileData.h"

namespace kaj::glyph {
namespace {

using controls::convertColour555;
using controls::PixelBuffer;
using kaj::testing::Bytes;
using kaj::testing::MulBuilder;
using kaj::testing::put16;
using kaj::testing::put32;

constexpr std::uint32_t kBackground = 0x00F0F0F0;
constexpr std::uint16_t kRed = 0x7C00;
constexpr std::uint16_t kGreen = 0x03E0;
constexpr std::uint16_t kBlue = 0x001F;

// Item art from rows of runs; each run is a skip and its colours.
Bytes item(int width, int height,
           const std::vector<std::vector<std::pair<int, std::vector<std::uint16_t>>>>& rows) {
    Bytes pixels;
    std::vector<std::uint16_t> offsets;
    for (int r = 0; r < height; ++r) {
        offsets.push_back(static_cast<std::uint16_t>(pixels.size() / 2));
        if (r < static_cast<int>(rows.size())) {
            for (const auto& [skip, colours] : rows[static_cast<std::size_t>(r)]) {
                put16(pixels, static_cast<std::uint32_t>(skip));
                put16(pixels, static_cast<std::uint32_t>(colours.size()));
                for (auto c : colours)
                    put16(pixels, c);
            }
        }
        put16(pixels, 0);
        put16(pixels, 0);
    }
    Bytes out;
    put32(out, 1);
    put16(out, static_cast<std::uint32_t>(width));
    put16(out, static_cast<std::uint32_t>(height));
    for (auto o : offsets)
        put16(out, o);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes hueFile(int wholeBlocks, int trailing) {
    Bytes hues;
    for (int block = 0; block < wholeBlocks; ++block) {
        put32(hues, 0);
        for (int h = 0; h < 8; ++h) {
            // Hue number n maps every grey level g to a colour that names both.
            const int number = block * 8 + h + 1;
            for (int g = 0; g < 44; ++g)
                put16(hues, static_cast<std::uint32_t>((number << 6) | g) & 0x7FFF);
        }
    }
    for (int i = 0; i < trailing; ++i)
        hues.push_back(0xAB);
    return hues;
}

struct ArtFixture : ::testing::Test {
    kaj::testing::TempFolder folder;
    PixelBuffer buffer;

    PixelBuffer draw(std::int16_t type, std::uint32_t index, std::uint16_t colour = 0, int w = 96,
                     int h = 96) {
        auto library = ArtLibrary::fromFolder(folder.path());
        ArtProperties properties{type, index, colour};
        PixelBuffer out;
        out.resizeForBounds(w, h);
        library.draw(properties, out, kBackground);
        lastColour = properties.colour;
        return out;
    }
    static int countNot(const PixelBuffer& b, std::uint32_t colour) {
        int n = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += b.at(x, y) != colour;
        return n;
    }
    std::uint16_t lastColour = 0;
};

TEST(Colour555, ConvertsEachChannelAndIgnoresBit15) {
    EXPECT_EQ(convertColour555(0x7FFF), 0x00FFFFFFu);
    EXPECT_EQ(convertColour555(kRed), 0x000000FFu);   // red is the low byte
    EXPECT_EQ(convertColour555(kBlue), 0x00FF0000u);  // blue the high one
    EXPECT_EQ(convertColour555(0x8000 | kGreen), 0x0000FF00u);
    EXPECT_EQ(convertColour555(1 << 10), 8u);  // 255 / 31 truncated
}

TEST(PixelBuffer, RoundsBoundsDownToMultiplesOfEightAndKeepsBlueGreenRedOrder) {
    PixelBuffer b;
    b.resizeForBounds(103, 50);
    EXPECT_EQ(b.width(), 96);
    EXPECT_EQ(b.height(), 48);
    EXPECT_EQ(b.bytes().size(), 96u * 48u * 3u);
    b.put(1, 0, convertColour555(kRed));
    EXPECT_EQ(b.bytes()[3], 0);
    EXPECT_EQ(b.bytes()[5], 255);
    b.put(-1, 0, 0);
    b.put(96, 0, 0);
    b.put(0, 48, 0);  // outside: ignored
}

TEST(HueTable, AppliesEveryWholeBlockAndDropsATrailingPart) {
    const HueTable hues(hueFile(3, 100));
    EXPECT_EQ(hues.blockCount(), 3u);
    const std::uint16_t grey = 10 | (10 << 5) | (10 << 10);  // grey level 10
    EXPECT_EQ(hues.convert(grey, 0), convertColour555(grey));
    EXPECT_EQ(hues.convert(grey, 1), convertColour555((1 << 6) | 10));
    EXPECT_EQ(hues.convert(grey, 24), convertColour555((24 << 6) | 10));  // the last block applies
    EXPECT_EQ(hues.convert(grey, 25), convertColour555(grey));
    // Bit 15 counts as red's top: (31 + 31 + 63) / 3 = 41, a word past the colours.
    EXPECT_EQ(hues.convert(0xFFFF, 2), convertColour555((2 << 6) | 41));
    EXPECT_EQ(HueTable().convert(grey, 1), convertColour555(grey));
}

TEST(RenderedIndex, EveryTypeChecksItsRangeAndMapsItsIndex) {
    EXPECT_EQ(renderedIndex(kArtItems, 0x3FFF), 0x7FFFu);
    EXPECT_EQ(renderedIndex(kArtItems, 0x4000), 0x8000u);  // today's items run to 0xFFFF
    EXPECT_EQ(renderedIndex(kArtItems, 0xFFFF), 0x13FFFu);
    EXPECT_FALSE(renderedIndex(kArtItems, 0x10000));
    EXPECT_EQ(renderedIndex(kArtNpcs, 159), 17491u);
    EXPECT_EQ(renderedIndex(kArtNpcs, 160), 17601u);
    EXPECT_EQ(renderedIndex(kArtNpcs, 199), 21891u);
    EXPECT_EQ(renderedIndex(kArtNpcs, 200), 22001u);
    EXPECT_EQ(renderedIndex(kArtNpcs, 399), 34936u);
    EXPECT_EQ(renderedIndex(kArtNpcs, 400), 35001u);
    EXPECT_EQ(renderedIndex(kArtNpcs, 4095), 681626u);
    EXPECT_FALSE(renderedIndex(kArtNpcs, 4096));
    EXPECT_EQ(renderedIndex(kArtMultis, 8181), 8181u);
    EXPECT_FALSE(renderedIndex(kArtMultis, 8182));
    EXPECT_EQ(renderedIndex(kArtGumps, 65535), 65535u);
    EXPECT_FALSE(renderedIndex(kArtGumps, 65536));
    EXPECT_FALSE(renderedIndex(kArtLandscape, 0x4000));
    EXPECT_FALSE(renderedIndex(kArtTextures, 4096));
    EXPECT_EQ(renderedIndex(kArtCharTests, 20399), 0x8000u + 20399u);
    EXPECT_FALSE(renderedIndex(kArtCharTests, 20400));
    EXPECT_EQ(renderedIndex(kArtLights, 99), 99u);
    EXPECT_FALSE(renderedIndex(kArtLights, 100));
    EXPECT_FALSE(renderedIndex(kArtItems, 0xFFFFFFFFu));  // a negative index, as unsigned
    EXPECT_EQ(renderedIndex(8, 5), 5u);                   // unknown types: no files to read
}

TEST_F(ArtFixture, AnItemIsCentredRunByRunInItsHue) {
    MulBuilder art;
    art.add(0x4000 + 1, item(4, 2, {{{0, {kRed, kGreen}}, {1, {kBlue}}}, {{2, {kRed}}}}));
    art.write(folder / "art.mul", folder / "artidx.mul");
    kaj::testing::writeBytes(folder / "hues.mul", hueFile(1, 0));
    const auto b = draw(kArtItems, 1);
    // Left = (96 - 4) / 2 = 46, top = (96 - 2) / 2 = 47.
    EXPECT_EQ(b.at(46, 47), convertColour555(kRed));
    EXPECT_EQ(b.at(47, 47), convertColour555(kGreen));
    EXPECT_EQ(b.at(48, 47), kBackground);  // skipped
    EXPECT_EQ(b.at(49, 47), convertColour555(kBlue));
    EXPECT_EQ(b.at(48, 48), convertColour555(kRed));
    EXPECT_EQ(countNot(b, kBackground), 4);
    const auto hued = draw(kArtItems, 1, 3);
    EXPECT_EQ(hued.at(46, 47), convertColour555((3 << 6) | (31 / 3)));
    EXPECT_EQ(lastColour, 3);  // items keep their hue
}

TEST_F(ArtFixture, ItemsWithHeaderZeroFallBackToALandTileAndBadSizesDrawNothing) {
    MulBuilder art;
    Bytes fallback;
    put32(fallback, 0);
    for (int i = 0; i < 1012; ++i)
        put16(fallback, kGreen);
    art.add(0x4000 + 0, fallback);
    art.add(0x4000 + 2, item(0, 3, {}));
    art.add(0x4000 + 3, item(1025, 1, {}));
    Bytes big;
    put32(big, 0x10000);  // above 0xFFFF: a land tile too
    for (int i = 0; i < 1012; ++i)
        put16(big, kBlue);
    art.add(0x4000 + 4, big);
    art.add(0x4000 + 5,
            item(8, 3,
                 {{{0, {kRed}}}, {{1500, std::vector<std::uint16_t>(600, kBlue)}}, {{0, {kRed}}}}));
    art.write(folder / "art.mul", folder / "artidx.mul");
    const auto diamond = draw(kArtItems, 0);
    EXPECT_EQ(countNot(diamond, kBackground), 22 * 23 * 2);  // 2 + 4 + ... + 44, twice, less row 0
    // Row 1 (two pixels) at y = 48 + 1 - 22, x = 26 + 22 - 1.
    EXPECT_EQ(diamond.at(47, 27), convertColour555(kGreen));
    EXPECT_EQ(diamond.at(48, 27), convertColour555(kGreen));
    EXPECT_EQ(diamond.at(46, 27), kBackground);
    EXPECT_EQ(countNot(draw(kArtItems, 4), kBackground), 1012);
    EXPECT_EQ(countNot(draw(kArtItems, 2), kBackground), 0);
    EXPECT_EQ(countNot(draw(kArtItems, 3), kBackground), 0);
    EXPECT_EQ(countNot(draw(kArtItems, 5), kBackground), 1);  // the long run ends the picture
}

TEST_F(ArtFixture, ATruncatedOrOutOfFileRecordDrawsWhatItHolds) {
    MulBuilder art;
    Bytes tile;
    for (int i = 0; i < 1012; ++i)
        put16(tile, kRed);
    art.add(7, tile, 0, 2 * 6);   // only rows 1 and 2 fit: 2 + 4 colours
    art.add(8, tile, 0, 100000);  // longer than the file: what the file holds counts
    art.write(folder / "art.mul", folder / "artidx.mul");
    EXPECT_EQ(countNot(draw(kArtLandscape, 7), kBackground), 6);
    EXPECT_EQ(countNot(draw(kArtLandscape, 8), kBackground), 1012);

    // An index file that ends inside record 9 leaves that entry empty.
    Bytes index = {};
    for (int n = 0; n < 9; ++n) {
        put32(index, 0);
        put32(index, 2024);
        put32(index, 0);
    }
    put32(index, 0);
    put32(index, 2024);
    kaj::testing::writeBytes(folder / "artidx.mul", index);
    EXPECT_EQ(countNot(draw(kArtLandscape, 8), kBackground), 1012);
    EXPECT_EQ(countNot(draw(kArtLandscape, 9), kBackground), 0);
}

TEST_F(ArtFixture, GumpsDrawTheirRunsAndSkipEmptyOnes) {
    MulBuilder gumps;
    Bytes g;
    put32(g, 2);  // row 0 starts after the two offsets
    put32(g, 4);  // row 1
    put32(g, 2u << 16 | kRed);
    put32(g, 0u << 16 | kBlue);  // length 0: skipped
    put32(g, 3u << 16 | 0);      // colour 0: black
    gumps.add(0, g, 4u << 16 | 2u);
    gumps.add(1, g, 0u << 16 | 2u);
    gumps.add(2, g, 4097u << 16 | 2u);
    gumps.write(folder / "gumpart.mul", folder / "gumpidx.mul");
    const auto b = draw(kArtGumps, 0, 7);
    EXPECT_EQ(lastColour, 0);  // gumps take no hue, and the property resets
    // Left 48 - 2 = 46, top 48 - 1 = 47; row 0: red red, black black black... but the
    // row holds two run words, so the black run belongs to row 1.
    EXPECT_EQ(b.at(46, 47), convertColour555(kRed));
    EXPECT_EQ(b.at(47, 47), convertColour555(kRed));
    EXPECT_EQ(b.at(48, 47), kBackground);
    EXPECT_EQ(b.at(46, 48), 0u);
    EXPECT_EQ(b.at(48, 48), 0u);
    EXPECT_EQ(countNot(b, kBackground), 5);
    EXPECT_EQ(countNot(draw(kArtGumps, 1), kBackground), 0);
    EXPECT_EQ(countNot(draw(kArtGumps, 2), kBackground), 0);
}

TEST_F(ArtFixture, TextureSidesFollowTheirLength) {
    MulBuilder textures;
    textures.add(0, Bytes(0x2000, 0x1F), 0);
    textures.add(1, Bytes(32768, 0x1F), 1);  // real files store 1 for 128 x 128
    textures.add(2, Bytes(32 * 32 * 2, 0x1F), 32);
    textures.add(3, Bytes(32768, 0x1F), 0);
    textures.write(folder / "texmaps.mul", folder / "texidx.mul");
    const auto t64 = draw(kArtTextures, 0, 0, 200, 200);
    EXPECT_EQ(countNot(t64, kBackground), 64 * 64);
    EXPECT_NE(t64.at(68, 68), kBackground);
    EXPECT_EQ(t64.at(67, 68), kBackground);
    EXPECT_EQ(countNot(draw(kArtTextures, 1, 0, 200, 200), kBackground), 128 * 128);
    EXPECT_EQ(countNot(draw(kArtTextures, 2, 0, 200, 200), kBackground), 32 * 32);
    EXPECT_EQ(countNot(draw(kArtTextures, 3, 0, 200, 200), kBackground), 128 * 128);
}

TEST_F(ArtFixture, LightsHaveTheirWidthLowAndHeightHigh) {
    MulBuilder lights;
    Bytes levels(6 * 4, 0);
    levels[0] = 0x7F;  // v * 256: bits 2-6 red, bits 0-1 the top of green
    lights.add(0, levels, 4u << 16 | 6u);
    lights.add(1, Bytes(5 * 5, 0x04), 5);
    lights.write(folder / "light.mul", folder / "lightidx.mul");
    const auto b = draw(kArtLights, 0);
    EXPECT_EQ(b.at(45, 46), convertColour555(0x7F00));
    EXPECT_EQ(countNot(b, kBackground), 6 * 4);
    EXPECT_EQ(b.at(44, 46), kBackground);
    EXPECT_EQ(b.at(50, 49), convertColour555(0));
    EXPECT_EQ(countNot(draw(kArtLights, 1), kBackground), 25);
}

Bytes animationRecord(std::uint32_t frameCount, const std::vector<std::array<int, 3>>& chunks,
                      std::int16_t h1, std::int16_t h4, bool endMarker = true) {
    Bytes out;
    for (int i = 0; i < 256; ++i)
        put16(out, i == 1 ? kRed : i == 2 ? kGreen : kBlue);
    put32(out, frameCount);
    for (std::uint32_t i = 0; i < frameCount; ++i)
        put32(out, 4 + 4 * frameCount);
    put16(out, static_cast<std::uint16_t>(h1));
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<std::uint16_t>(h4));
    for (const auto& [marker, x, length] : chunks) {
        put16(out, static_cast<std::uint32_t>(marker << 12 | length));
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(x * 64)));
        for (int i = 0; i < length; ++i)
            out.push_back(static_cast<std::uint8_t>(1 + i % 2));
    }
    if (endMarker) {
        put16(out, 0x7FFF);
        put16(out, 0x7FFF);
    }
    return out;
}

TEST_F(ArtFixture, AnimationsDrawTheFirstFrameRowByRowMarker) {
    MulBuilder anim;
    // Body 1 is record 111. Rows start at y = 48 - 10 + 2 = 40.
    anim.add(111, animationRecord(2, {{0, -3, 2}, {0, 5, 1}, {1, -1, 3}, {3, 0, 1}}, 2, 10));
    anim.add(221, animationRecord(0, {{0, 0, 4}}, 0, 0));
    anim.add(331, animationRecord(1, {{0, 0, 2}, {1, 0, 2}}, 0, 0, false));
    anim.add(441,
             animationRecord(1, {{0, 0, 2}, {1, 0, 3}}, -49, 0));  // the first row above the top
    anim.write(folder / "anim.mul", folder / "anim.idx");
    const auto b = draw(kArtNpcs, 1);
    EXPECT_EQ(b.at(45, 40), convertColour555(kRed));
    EXPECT_EQ(b.at(46, 40), convertColour555(kGreen));
    EXPECT_EQ(b.at(53, 40), convertColour555(kRed));  // same marker, same row
    EXPECT_EQ(b.at(47, 41), convertColour555(kRed));  // marker changed: next row, x = 48 - 1
    EXPECT_EQ(b.at(48, 42), convertColour555(kRed));  // a change by more than one is still one row
    EXPECT_EQ(countNot(b, kBackground), 7);
    EXPECT_EQ(countNot(draw(kArtNpcs, 2), kBackground), 0);  // no frames
    EXPECT_EQ(countNot(draw(kArtNpcs, 3), kBackground), 4);  // ends with the record
    const auto above = draw(kArtNpcs, 4);
    EXPECT_EQ(countNot(above, kBackground), 3);
    EXPECT_EQ(above.at(48, 0), convertColour555(kRed));
    EXPECT_EQ(lastColour, 0);
}

TEST_F(ArtFixture, CreatureHuesApply) {
    MulBuilder anim;
    anim.add(111, animationRecord(1, {{0, 0, 1}}, 0, 0));
    anim.write(folder / "anim.mul", folder / "anim.idx");
    kaj::testing::writeBytes(folder / "hues.mul", hueFile(1, 0));
    EXPECT_EQ(draw(kArtNpcs, 1, 5).at(48, 48), convertColour555((5 << 6) | (31 / 3)));
    EXPECT_EQ(lastColour, 5);
}

Bytes tileData(const std::map<int, int>& heights, bool wide) {
    const std::size_t land = wide ? 0x78800 : 428032;
    const std::size_t record = wide ? 41 : 37;
    Bytes out(land, 0);
    for (int block = 0; block < 2; ++block) {
        put32(out, 0);
        for (int i = 0; i < 32; ++i) {
            Bytes rec(record, 0);
            const auto it = heights.find(block * 32 + i);
            rec[wide ? 20 : 16] = static_cast<std::uint8_t>(it == heights.end() ? 0 : it->second);
            out.insert(out.end(), rec.begin(), rec.end());
        }
    }
    return out;
}

TEST(TileData, TellsItsTwoLayoutsApartBySize) {
    EXPECT_EQ(tileDataLayout(428032 + 512 * 1188), TileDataLayout::Classic);
    EXPECT_EQ(tileDataLayout(0x78800 + 2048 * 1316), TileDataLayout::Wide);
    EXPECT_EQ(tileDataLayout(0x78800), TileDataLayout::Classic);  // not a positive multiple
    EXPECT_EQ(itemRecordPosition(TileDataLayout::Classic, 33), 37u + 1188u + 428036u);
    EXPECT_EQ(itemRecordPosition(TileDataLayout::Wide, 33), 41u + 1316u + 0x78800u + 4u);
}

TEST_F(ArtFixture, MultisDrawTheirPartsBackToFrontByCellAndTop) {
    // Three one-pixel items: red, green and blue, 1 x 2 so that height / 2 = 1.
    MulBuilder art;
    art.add(0x4000 + 1, item(1, 2, {{{0, {kRed}}}}));
    art.add(0x4000 + 2, item(1, 2, {{{0, {kGreen}}}}));
    art.add(0x4000 + 3, item(1, 2, {{{0, {kBlue}}}}));
    std::vector<std::vector<std::pair<int, std::vector<std::uint16_t>>>> column(10, {{0, {kBlue}}});
    art.add(0x4000 + 4, item(1, 10, column));
    art.write(folder / "art.mul", folder / "artidx.mul");
    Bytes parts;
    auto part = [&](int itemNumber, int x, int y, int z) {
        put16(parts, static_cast<std::uint32_t>(itemNumber));
        put16(parts, static_cast<std::uint16_t>(static_cast<std::int16_t>(x)));
        put16(parts, static_cast<std::uint16_t>(static_cast<std::int16_t>(y)));
        put16(parts, static_cast<std::uint16_t>(static_cast<std::int16_t>(z)));
        put32(parts, 0);
    };
    // All in cell (0, 0) at the same spot: the highest top is drawn last and wins.
    part(1, 0, 0, 10);  // top 10 + 5 = 15
    part(2, 0, 0, 0);   // top 0 + 20 = 20: drawn over red
    // 1 x 10 at z -1: shifted -5 + 4 = -1 as item 2 is, so it covers item 2's pixel;
    // its top -1 + 0 is negative, compared unsigned, so it is drawn last of all.
    part(4, 0, 0, -1);
    MulBuilder multis;
    multis.add(0, parts);
    Bytes spread;
    std::swap(parts, spread);
    part(1, 0, 0, 0);
    part(2, 1, 0, 0);   // shifted right and down by 22
    part(3, -1, 0, 0);  // shifted left and up by 22
    multis.add(1, parts);
    multis.write(folder / "multi.mul", folder / "multi.idx");
    kaj::testing::writeBytes(folder / "tiledata.mul",
                             tileData({{1, 5}, {2, 20}, {3, 0}, {4, 0}}, false));

    const auto same = draw(kArtMultis, 0, 9);
    EXPECT_EQ(lastColour, 0);
    // Left (96 - 1) / 2 = 47. Item 1 at z 10: y = 47 - 1 - 40 = 6; item 2 at 47 - 1;
    // item 4 from 43 - 1 to 52 - 1.
    EXPECT_EQ(same.at(47, 6), convertColour555(kRed));
    EXPECT_EQ(same.at(47, 46), convertColour555(kBlue));
    EXPECT_EQ(countNot(same, kBackground), 11);

    const auto apart = draw(kArtMultis, 1);
    EXPECT_EQ(apart.at(47, 46), convertColour555(kRed));
    EXPECT_EQ(apart.at(69, 68), convertColour555(kGreen));
    EXPECT_EQ(apart.at(25, 24), convertColour555(kBlue));

    // The wide layout: item 4 (top 39) still over item 2 (top 20), until item 2 is taller.
    kaj::testing::writeBytes(folder / "tiledata.mul",
                             tileData({{1, 5}, {2, 20}, {3, 0}, {4, 40}}, true));
    EXPECT_EQ(draw(kArtMultis, 0).at(47, 46), convertColour555(kBlue));
    kaj::testing::writeBytes(folder / "tiledata.mul",
                             tileData({{1, 5}, {2, 50}, {3, 0}, {4, 40}}, true));
    EXPECT_EQ(draw(kArtMultis, 0).at(47, 46), convertColour555(kGreen));
    std::filesystem::remove(folder / "tiledata.mul");
    EXPECT_EQ(countNot(draw(kArtMultis, 1), kBackground), 0);
}

TEST_F(ArtFixture, UnknownTypesAndMissingFilesLeaveTheBackground) {
    EXPECT_EQ(countNot(draw(kArtItems, 1), kBackground), 0);
    EXPECT_EQ(countNot(draw(9, 0), kBackground), 0);
    EXPECT_EQ(countNot(draw(-1, 0), kBackground), 0);
}

}  // namespace
}  // namespace kaj::glyph
