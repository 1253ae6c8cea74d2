#include "TextFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "FileSystemTraits.h"
#include "InjectedFileFault.h"
#include "ReadOnlyFile.h"
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
    ASSERT_TRUE(writeTextLines(file, {"NEW"}, {.ownerOnly = true, .keepMode = false}).ok);
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
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);

    // A parent that is a file: the temporary file cannot even be made.
    const auto file = folder.write("settings", "KEEP\r\n");
    EXPECT_FALSE(writeTextLines(file / "child.ini", {"x"}).ok);
    EXPECT_EQ(TempFolder::read(file), "KEEP\r\n");
}

std::size_t entriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

TEST(TextFile, ReadsTakeAnythingButARegularFileAsMissingAndNeverWait) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "folder.ini" / "inside");
    EXPECT_FALSE(readWholeFile(folder / "folder.ini").has_value());
    EXPECT_FALSE(readTextLines(folder / "missing.ini").has_value());
    if (kaj::testing::kLinksCanBeMade) {
        std::filesystem::create_symlink(folder / "nowhere", folder / "dangling.ini");
        EXPECT_FALSE(readTextLines(folder / "dangling.ini").has_value());
        folder.write("real.ini", "A\r\n");
        std::filesystem::create_symlink(folder / "real.ini", folder / "link.ini");
        EXPECT_EQ(readTextLines(folder / "link.ini"), Lines{"A"});
    }
#ifndef _WIN32
    // Opening a FIFO for reading would wait for a writer that never comes.
    ASSERT_EQ(::mkfifo((folder / "fifo.ini").c_str(), 0644), 0);
    EXPECT_FALSE(readTextLines(folder / "fifo.ini").has_value());
#endif
    const auto shrinking = folder.write("shrinking.mul", std::string(4096, 'x'));
    const auto opened = ReadOnlyFile::open(shrinking);
    ASSERT_TRUE(opened.has_value());
    std::filesystem::resize_file(shrinking, 100);
    char buffer[4096];
    EXPECT_FALSE(opened->readAt(0, buffer, sizeof buffer));
    EXPECT_TRUE(opened->readAt(0, buffer, 100));
}

TEST(TextFile, AFolderOrPipeInTheFilesPlaceIsNeverReplaced) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "folder.ini" / "inside");
    const auto refused = writeTextLines(folder / "folder.ini", {"A"});
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error, "it is not a regular file");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "folder.ini" / "inside"));
    std::ptrdiff_t entries = 1;
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((folder / "fifo.ini").c_str(), 0644), 0);
    EXPECT_FALSE(writeTextLines(folder / "fifo.ini", {"A"}).ok);
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "fifo.ini"));
    ++entries;
#endif
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              entries)
        << "a temporary file was left";
}

TEST(TextFile, AFileReachedThroughALinkIsReplacedWhereItIsAndTheLinkStays) {
    if (!kaj::testing::kLinksCanBeMade) {
        GTEST_SKIP() << "symbolic links cannot be made here";
    }
    TempFolder folder;
    folder.write("shared/real.ini", "OLD\r\n");
    std::filesystem::create_directories(folder / "program");
    std::filesystem::create_symlink("../shared/real.ini", folder / "program" / "Kaj.ini");
    ASSERT_TRUE(writeTextLines(folder / "program" / "Kaj.ini", {"NEW"}).ok);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "program" / "Kaj.ini"));
    EXPECT_EQ(TempFolder::read(folder / "shared" / "real.ini"), "NEW\r\n");
    EXPECT_EQ(entriesIn(folder / "program"), 1u);
    EXPECT_EQ(entriesIn(folder / "shared"), 1u);
}

TEST(TextFile, ARewrittenFileKeepsItsModeAndANewPrivateOneIsTheOwnersAlone) {
    if (!kaj::testing::kFilesHaveModes) {
        GTEST_SKIP() << "files have no modes here";
    }
    TempFolder folder;
    const auto file = folder.write("pkg.cfg", "Enabled 1\r\n");
    kaj::testing::setFileMode(file, 0640);
    ASSERT_TRUE(writeTextLines(file, {"Enabled 0"}).ok);
    EXPECT_EQ(kaj::testing::fileMode(file), 0640u);
    ASSERT_TRUE(writeTextLines(folder / "uo.cfg", {"AcctID=gm"}, {.ownerOnly = true}).ok);
    EXPECT_EQ(kaj::testing::fileMode(folder / "uo.cfg"), 0600u);
    kaj::testing::setFileMode(folder / "uo.cfg", 0644);
    ASSERT_TRUE(writeTextLines(folder / "uo.cfg", {"AcctID=al"}, {.ownerOnly = true}).ok);
    EXPECT_EQ(kaj::testing::fileMode(folder / "uo.cfg"), 0644u);
}

TEST(TextFile, TheTemporaryFileLivesBesideItsTargetUnderANameOfItsOwn) {
    TempFolder folder;
    InjectedFileFault watching(0, 0);
    ASSERT_TRUE(writeTextLines(folder / "KajMap.scp", {"a"}).ok);
    ASSERT_TRUE(writeTextLines(folder / "KajMap.scp", {"b"}).ok);
    std::vector<std::filesystem::path> temporaries;
    for (const auto& [step, path] : watching.steps()) {
        if (step == FileStep::Open) {
            temporaries.push_back(path);
        }
    }
    ASSERT_EQ(temporaries.size(), 2u);
    EXPECT_EQ(temporaries[0].parent_path(), folder.path());
    EXPECT_TRUE(temporaries[0].filename().string().starts_with("KajMap.scp."));
    EXPECT_NE(temporaries[0], temporaries[1]);
}

TEST(TextFile, TwoWritersAtOnceNeverMixTheirBytesAndReadersSeeOneWholeFile) {
    TempFolder folder;
    const auto file = folder.write("accounts.txt", std::string(70000, 'o'));
    const std::string first(70000, 'a');
    const std::string second(60000, 'b');
    std::atomic<bool> writing{true};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (writing) {
            const auto bytes = readWholeFile(file);
            if (bytes && *bytes != first && *bytes != second && *bytes != std::string(70000, 'o')) {
                ++torn;
            }
        }
    });
    std::thread one([&] {
        for (int i = 0; i < 30; ++i)
            EXPECT_TRUE(writeFileReplacing(file, first).ok);
    });
    std::thread two([&] {
        for (int i = 0; i < 30; ++i)
            EXPECT_TRUE(writeFileReplacing(file, second).ok);
    });
    one.join();
    two.join();
    writing = false;
    reader.join();
    EXPECT_EQ(torn, 0);
    const std::string last = TempFolder::read(file);
    EXPECT_TRUE(last == first || last == second);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

}  // namespace
}  // namespace kaj::platform
