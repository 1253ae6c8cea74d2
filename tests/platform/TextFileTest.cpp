#include "TextFile.h"

#include <gtest/gtest.h>

#include "FileSystemTraits.h"
#include "TempFolder.h"

namespace kaj::platform {
namespace {

using kaj::testing::TempFolder;
using Lines = std::vector<std::string>;

TEST(TextFile, LinesEndAtLineFeedAndLoseOnlyTheCarriageReturnBeforeIt) {
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(splitLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(splitLines("a\rb\r\r\n"), Lines{"a\rb\r"});
    EXPECT_EQ(splitLines(std::string("x\0y\n", 4)), Lines{std::string("x\0y", 3)});
}

TEST(TextFile, WritesCarriageReturnLineFeedAndReadsBackByteForByte) {
    TempFolder folder;
    const auto file = folder / "out.txt";
    const Lines lines = {"first", "", "\xE9t\xE9 \x80"};
    ASSERT_TRUE(writeTextLines(file, lines).ok);
    EXPECT_EQ(TempFolder::read(file), "first\r\n\r\n\xE9t\xE9 \x80\r\n");
    EXPECT_EQ(readTextLines(file), lines);
    EXPECT_FALSE(readTextLines(folder / "missing.txt").has_value());
}

TEST(TextFile, OwnerOnlyFilesAreNotReadableByOthersEvenWhenReplacingAnOpenOne) {
    TempFolder folder;
    const auto file = folder.write("Kaj.ini", "OLD\r\n");
    kaj::testing::setFileMode(file, 0644);
    ASSERT_TRUE(writeTextLines(file, {"NEW"}, {.ownerOnly = true}).ok);
    if (kaj::testing::kFilesHaveModes) {
        EXPECT_EQ(kaj::testing::fileMode(file), 0600u);
    }
    EXPECT_EQ(TempFolder::read(file), "NEW\r\n");
}

TEST(TextFile, AFailedWriteLeavesThePreviousFileWholeAndSaysWhy) {
    TempFolder folder;
    // A folder where the file should be: the rename over it fails.
    std::filesystem::create_directories(folder / "blocked" / "inside");
    const auto result = writeTextLines(folder / "blocked", {"x"});
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "blocked" / "inside"));
    EXPECT_FALSE(std::filesystem::exists(folder / "blocked.tmp"));

    // A parent that is a file: the temporary file cannot even be made.
    const auto file = folder.write("settings", "KEEP\r\n");
    EXPECT_FALSE(writeTextLines(file / "child.ini", {"x"}).ok);
    EXPECT_EQ(TempFolder::read(file), "KEEP\r\n");
}

}  // namespace
}  // namespace kaj::platform
