#include "ClientPackage.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <chrono>
#include <set>

#include "MulFiles.h"
#include "PackageNameHash.h"
#include "PackageWriter.h"
#include "TempFolder.h"

namespace kaj::controls {
namespace {

using kaj::testing::Bytes;
using kaj::testing::put32;
using kaj::testing::TempFolder;

void put64(Bytes& out, std::uint64_t v) {
    put32(out, static_cast<std::uint32_t>(v));
    put32(out, static_cast<std::uint32_t>(v >> 32));
}
void set64(Bytes& out, std::size_t at, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// A package laid out by hand, for the damage a writer of packages would never make.
struct RawSlot {
    std::uint64_t offset;
    std::uint32_t headerLength;
    std::uint32_t stored;
    std::uint32_t real;
    std::uint64_t hash;
    std::uint16_t compression;
};
Bytes header(std::uint64_t firstBlock, std::uint32_t magic = 0x0050594D,
             std::uint32_t version = 5) {
    Bytes out;
    put32(out, magic);
    put32(out, version);
    put32(out, 0);
    put64(out, firstBlock);
    put32(out, 100);
    put32(out, 1);
    return out;
}
void putBlock(Bytes& out, const std::vector<RawSlot>& slots, std::uint64_t next) {
    put32(out, static_cast<std::uint32_t>(slots.size()));
    put64(out, next);
    for (const auto& slot : slots) {
        put64(out, slot.offset);
        put32(out, slot.headerLength);
        put32(out, slot.stored);
        put32(out, slot.real);
        put64(out, slot.hash);
        put32(out, 0);
        out.push_back(static_cast<std::uint8_t>(slot.compression));
        out.push_back(0);
    }
}

std::string text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

// lookup3's two results for a text and seeds, as (pc, pb).
std::pair<std::uint32_t, std::uint32_t> lookup3(std::string_view text, std::uint32_t pc,
                                                std::uint32_t pb) {
    hashLittle2(text, pc, pb);
    return {pc, pb};
}

TEST(PackageNameHash, HoldsLookup3sOwnCheckValuesAndIgnoresLetterCase) {
    const auto pair = [](std::uint32_t pc, std::uint32_t pb) { return std::pair{pc, pb}; };
    EXPECT_EQ(lookup3("", 0, 0), pair(0xDEADBEEFu, 0xDEADBEEFu));
    EXPECT_EQ(lookup3("Four score and seven years ago", 0, 0), pair(0x17770551u, 0xCE7226E6u));
    EXPECT_EQ(lookup3("Four score and seven years ago", 1, 0), pair(0xCD628161u, 0x6CBEA4B3u));
    const auto [pc, pb] = lookup3("four score and seven years ago", 0, 0);
    EXPECT_EQ(packageNameHash("Four Score and Seven Years Ago"),
              static_cast<std::uint64_t>(pb) << 32 | pc);
    EXPECT_EQ(numberedEntryName("build/gumpartlegacymul/", 1234, ".tga", 7),
              "build/gumpartlegacymul/0001234.tga");
    EXPECT_EQ(numberedEntryName("build/map0legacymul/", 111, ".dat"),
              "build/map0legacymul/00000111.dat");
    EXPECT_EQ(numberedEntryName("build/gumpartlegacymul/", 1234, ".tga", 7),
              "build/gumpartlegacymul/0001234.tga");
    EXPECT_EQ(numberedEntryName("build/map0legacymul/", 111, ".dat"),
              "build/map0legacymul/00000111.dat");
    EXPECT_EQ(packageNameHash("build/ArtLegacyMUL/00000001.TGA"),
              packageNameHash("build/artlegacymul/00000001.tga"));
    // Every tail length from 1 to 12 bytes lands in its own place.
    std::set<std::uint64_t> hashes;
    for (std::size_t length = 0; length <= 25; ++length) {
        hashes.insert(packageNameHash(std::string(length, 'x')));
    }
    EXPECT_EQ(hashes.size(), 26u);
}

TEST(ClientPackage, FindsEveryEntryAcrossBlocksWhateverItsKeeping) {
    TempFolder folder;
    clientdata::PackageWriter writer(11, 4);
    std::vector<std::string> contents;
    for (int i = 0; i < 23; ++i) {
        std::string content =
            "entry " + std::to_string(i) + std::string(static_cast<std::size_t>(i * 37), 'z');
        contents.push_back(content);
        writer.add("build/test/" + std::to_string(i) + ".bin",
                   Bytes(content.begin(), content.end()));
    }
    writer.write(folder / "test.uop");

    const auto package = ClientPackage::open(folder / "test.uop");
    ASSERT_TRUE(package);
    EXPECT_EQ(package->entryCount(), 23u);
    int packed = 0;
    int headed = 0;
    for (int i = 0; i < 23; ++i) {
        const auto entry = package->find("BUILD/Test/" + std::to_string(i) + ".bin");
        ASSERT_TRUE(entry) << i;
        packed += entry->compression == 1;
        headed += entry->headerLength > 0;
        EXPECT_EQ(text(package->read(*entry)), contents[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_GT(packed, 0);
    EXPECT_GT(headed, 0);
    EXPECT_FALSE(package->find("build/test/23.bin"));

    // A stored entry reads in part; a deflated one only whole.
    const auto stored = package->find("build/test/0.bin");
    char part[5] = {};
    ASSERT_TRUE(package->readStored(*stored, 2, part, 4));
    EXPECT_STREQ(part, "try ");
    EXPECT_FALSE(package->readStored(*stored, 5, part, 4));
    EXPECT_FALSE(package->readStored(*package->find("build/test/1.bin"), 0, part, 1));
}

TEST(ClientPackage, WhatIsNoPackageDoesNotOpen) {
    TempFolder folder;
    EXPECT_FALSE(ClientPackage::open(folder / "missing.uop"));
    std::filesystem::create_directory(folder / "folder.uop");
    EXPECT_FALSE(ClientPackage::open(folder / "folder.uop"));

    Bytes wrongMagic = header(28, 0x0050594E);
    putBlock(wrongMagic, {}, 0);
    kaj::testing::writeBytes(folder / "magic.uop", wrongMagic);
    EXPECT_FALSE(ClientPackage::open(folder / "magic.uop"));

    Bytes newer = header(28, 0x0050594D, 6);
    putBlock(newer, {}, 0);
    kaj::testing::writeBytes(folder / "newer.uop", newer);
    EXPECT_FALSE(ClientPackage::open(folder / "newer.uop"));

    Bytes outside = header(4096);
    kaj::testing::writeBytes(folder / "outside.uop", outside);
    EXPECT_FALSE(ClientPackage::open(folder / "outside.uop"));

    kaj::testing::writeBytes(folder / "short.uop", Bytes{'M', 'Y', 'P', 0, 5});
    EXPECT_FALSE(ClientPackage::open(folder / "short.uop"));

    Bytes older = header(28, 0x0050594D, 4);
    putBlock(older, {}, 0);
    kaj::testing::writeBytes(folder / "older.uop", older);
    EXPECT_TRUE(ClientPackage::open(folder / "older.uop"));
}

TEST(ClientPackage, ADamagedTableEndsWhereItStopsMakingSenseAndBadEntriesGiveNothing) {
    TempFolder folder;
    const std::string good = "good bytes";
    Bytes file = header(0);
    const std::uint64_t goodAt = file.size();
    file.insert(file.end(), good.begin(), good.end());
    Bytes packed(64);
    uLongf packedLength = packed.size();
    ASSERT_EQ(compress2(packed.data(), &packedLength, reinterpret_cast<const Bytef*>(good.data()),
                        good.size(), 9),
              Z_OK);
    const std::uint64_t packedAt = file.size();
    file.insert(file.end(), packed.begin(), packed.begin() + static_cast<long>(packedLength));
    const std::uint64_t garbageAt = file.size();
    file.insert(file.end(), 20, 0x55);

    const auto stored = static_cast<std::uint32_t>(good.size());
    const auto deflated = static_cast<std::uint32_t>(packedLength);
    const std::uint64_t firstBlock = file.size();
    set64(file, 12, firstBlock);
    // Block 1 points at block 2, which points back at block 1: a loop.
    putBlock(file,
             {{goodAt, 0, stored, stored, packageNameHash("good"), 0},
              {0, 0, 0, 0, packageNameHash("unused"), 0},
              {goodAt, 5, 5, 5, packageNameHash("headed"), 0},
              {packedAt, 0, deflated, stored, packageNameHash("packed"), 1},
              {1u << 30, 0, 10, 10, packageNameHash("past the end"), 0},
              {goodAt, 0, 0xFFFFFFF0u, 10, packageNameHash("stored too long"), 0},
              {packedAt, 0, deflated, 0x7FFFFFFFu, packageNameHash("lying"), 1},
              {garbageAt, 0, 20, 100, packageNameHash("not zlib"), 1},
              {goodAt, 0, stored, stored, packageNameHash("odd keeping"), 7},
              {0xFFFFFFFFFFFFFFF0ull, 100, 1, 1, packageNameHash("wraps"), 0}},
             0);
    const std::uint64_t secondBlock = file.size();
    set64(file, firstBlock + 4, secondBlock);
    putBlock(file, {{goodAt, 5, 5, 5, packageNameHash("second"), 0}}, firstBlock);
    kaj::testing::writeBytes(folder / "damaged.uop", file);

    const auto start = std::chrono::steady_clock::now();
    const auto package = ClientPackage::open(folder / "damaged.uop");
    ASSERT_TRUE(package);
    EXPECT_EQ(package->entryCount(), 10u);
    const auto read = [&](const char* name) { return text(package->read(*package->find(name))); };
    EXPECT_EQ(read("good"), good);
    EXPECT_FALSE(package->find("unused"));
    EXPECT_EQ(read("headed"), "bytes");
    EXPECT_EQ(read("packed"), good);
    EXPECT_EQ(read("second"), "bytes");
    for (const char* empty :
         {"past the end", "stored too long", "lying", "not zlib", "odd keeping", "wraps"}) {
        EXPECT_EQ(read(empty), "") << empty;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

    // A block that leaves the file ends the table there.
    set64(file, secondBlock + 4, file.size() + 100);
    kaj::testing::writeBytes(folder / "leaves.uop", file);
    const auto leaving = ClientPackage::open(folder / "leaves.uop");
    ASSERT_TRUE(leaving);
    EXPECT_TRUE(leaving->find("second"));
    // A block that claims more entries than the file holds is left out whole.
    Bytes claims = header(28);
    put32(claims, 1000000);
    put64(claims, 0);
    kaj::testing::writeBytes(folder / "claims.uop", claims);
    const auto claiming = ClientPackage::open(folder / "claims.uop");
    ASSERT_TRUE(claiming);
    EXPECT_EQ(claiming->entryCount(), 0u);
}

}  // namespace
}  // namespace kaj::controls
