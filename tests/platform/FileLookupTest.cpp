#include "FileLookup.h"

#include <gtest/gtest.h>

#include <optional>

#include "FileSystemTraits.h"
#include "TempFolder.h"

namespace kaj::platform {
namespace {

using kaj::testing::TempFolder;

TEST(FileLookup, FindsTheExactNameFirstElseOneDifferingInCase) {
    if (!kaj::testing::kNamesDifferingInCaseAreDistinct) {
        GTEST_SKIP() << "names differing only in case are one file here";
    }
    TempFolder folder;
    folder.write("pkg/Opt/Arena/ItemDesc.cfg", "x");
    folder.write("pkg/Opt/Arena/PKG.CFG", "x");
    folder.write("Art.mul", "x");
    folder.write("art.mul", "y");
    if (kaj::testing::kLinksCanBeMade) {
        std::filesystem::create_symlink(folder / "nowhere", folder / "dangling.mul");
        std::filesystem::create_directory_symlink(folder / "pkg", folder / "Linked");
    }

    // The same answers from the system's look-ups and from one listing of each folder.
    for (const bool listed : {false, true}) {
        SCOPED_TRACE(listed ? "from listings" : "from the system");
        std::optional<FolderListingScope> scope;
        if (listed) {
            scope.emplace();
        }
        EXPECT_EQ(findCaseInsensitive(folder.path(), "pkg/opt/arena/itemdesc.cfg"),
                  folder / "pkg/Opt/Arena/ItemDesc.cfg");
        EXPECT_EQ(findCaseInsensitive(folder.path(), "pkg/OPT/arena/pkg.cfg"),
                  folder / "pkg/Opt/Arena/PKG.CFG");
        EXPECT_EQ(findCaseInsensitive(folder.path(), "art.mul"), folder / "art.mul");
        EXPECT_EQ(findCaseInsensitive(folder.path(), "ART.MUL"), folder / "Art.mul");
        EXPECT_FALSE(findCaseInsensitive(folder.path(), "pkg/opt/missing.cfg").has_value());
        EXPECT_FALSE(findCaseInsensitive(folder / "nowhere", "x").has_value());
        EXPECT_FALSE(findCaseInsensitive(folder.path(), "dangling.mul", EntryKind::File));
        if (kaj::testing::kLinksCanBeMade) {
            EXPECT_EQ(findCaseInsensitive(folder.path(), "linked/opt", EntryKind::Folder),
                      folder / "Linked/Opt");
        }
    }
}

TEST(FileLookup, AnEntryOfTheWrongKindIsNotTakenEvenUnderItsExactName) {
    if (!kaj::testing::kNamesDifferingInCaseAreDistinct) {
        GTEST_SKIP() << "names differing only in case are one file here";
    }
    TempFolder folder;
    std::filesystem::create_directories(folder / "uo.cfg");
    folder.write("UO.CFG", "x");
    for (const bool listed : {false, true}) {
        std::optional<FolderListingScope> scope;
        if (listed) {
            scope.emplace();
        }
        EXPECT_EQ(findCaseInsensitive(folder.path(), "uo.cfg", EntryKind::File), folder / "UO.CFG");
        EXPECT_EQ(findCaseInsensitive(folder.path(), "uo.cfg", EntryKind::Folder),
                  folder / "uo.cfg");
        EXPECT_FALSE(findCaseInsensitive(folder.path(), "Uo.Cfg", EntryKind::Folder) ==
                     folder / "UO.CFG");
    }
}

TEST(FileLookup, ListsNamesWithoutADotInCaseInsensitiveOrder) {
    if (!kaj::testing::kNamesDifferingInCaseAreDistinct) {
        GTEST_SKIP() << "names differing only in case are one file here";
    }
    TempFolder folder;
    for (const char* name : {"beta", "Alpha", "gamma", "alpha", "notes.txt", "Zed", "x.y"}) {
        std::filesystem::create_directories(folder / name);
    }
    for (const bool listed : {false, true}) {
        std::optional<FolderListingScope> scope;
        if (listed) {
            scope.emplace();
        }
        EXPECT_EQ(listNamesWithoutExtension(folder.path()),
                  (std::vector<std::string>{"Alpha", "alpha", "beta", "gamma", "Zed"}));
        EXPECT_TRUE(listNamesWithoutExtension(folder / "missing").empty());
    }
}

}  // namespace
}  // namespace kaj::platform
