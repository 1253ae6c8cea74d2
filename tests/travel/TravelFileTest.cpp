#include "TravelFile.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace kaj::travel {
namespace {

using kaj::testing::TempFolder;
using Lines = std::vector<std::string>;

struct TravelFileFixture : ::testing::Test {
    TempFolder folder;
    TravelState state;
    Lines messages;

    void load(const std::string& text) {
        folder.write("KajMap.scp", text);
        state.clear();
        messages.clear();
        LoadMapScript(state, folder.path(),
                      [this](std::string_view text) { messages.emplace_back(text); });
    }
    Lines outline() const { return state.tvwMap.outline(); }
};

TEST_F(TravelFileFixture, AMissingFileIsToldAndLeavesEvenTheRootOut) {
    LoadMapScript(state, folder.path(), [this](std::string_view t) { messages.emplace_back(t); });
    EXPECT_EQ(messages, Lines{"KajMap.scp does not exist!"});
    EXPECT_TRUE(state.tvwMap.empty());
    EXPECT_TRUE(state.ListFullMap.empty());
}

TEST_F(TravelFileFixture, GroupsOfOneCategoryGiveOneNodeEachAndEntriesInSortedOrder) {
    load(
        "C=Towns\r\nS=Britain\r\nL=West Gate\r\nP=1400,1600,0\r\n"
        "C=Towns\r\nS=Britain\r\nL=bank\r\nP=1434,1699,0\r\n"
        "C=towns\r\nS=BRITAIN\r\nL=Castle\r\nP=1323,1624,0\r\n");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(outline(), (Lines{"GM Spots [GM Spots]", "Towns [Towns]", "  Britain [Britain]"}));
    // The Index of an entry is its rank in the sorted list, not its line in the file;
    // letter case does not count.
    EXPECT_EQ(state.ListFullMap,
              (Lines{"Towns|Britain|bank|1434,1699,0", "towns|BRITAIN|Castle|1323,1624,0",
                     "Towns|Britain|West Gate|1400,1600,0"}));
}

TEST_F(TravelFileFixture, ValuesAreTrimmedTabsAreBlanksAndOnlyExactPrefixesCount) {
    load(
        "L=\tLyceum\tHall \r\nP=\t 4400,1100,0 \r\n"
        "c=lower\r\n C=Indented\r\nC =Spaced\r\n# comment\r\n\r\nX=other\r\n"
        "C=Moon\tglow\nS=  Shrines  \nL=Honesty\nP=4210,563,8");
    // "|" sorts after the letters, as bytes do.
    EXPECT_EQ(state.ListFullMap,
              (Lines{"Moon glow|Shrines|Honesty|4210,563,8", "||Lyceum Hall|4400,1100,0"}));
    EXPECT_EQ(outline(),
              (Lines{"GM Spots [GM Spots]", "Moon glow [Moon glow]", "  Shrines [Shrines]"}));
}

TEST_F(TravelFileFixture, ASubcategoryNamedLikeAnyNodeAddsNone) {
    load(
        "C=Dungeons\r\nS=Britain\r\nL=Despise\r\nP=5500,500,0\r\n"
        "C=Towns\r\nS=britain\r\nL=Bank\r\nP=1434,1699,0\r\n"
        "S=Towns\r\nL=Odd\r\nP=1,1,1\r\n");
    EXPECT_EQ(outline(), (Lines{"GM Spots [GM Spots]", "Dungeons [Dungeons]", "  Britain [Britain]",
                                "Towns [Towns]"}));
}

TEST_F(TravelFileFixture, ASubcategoryWithoutItsCategorysNodeFindsItIgnoringCaseElseIsARoot) {
    load(
        "S=Early\r\nP=1,1,1\r\n"
        "C=gm spots\r\nS=Hidden\r\nP=2,2,2\r\n"
        "C=\r\nS=Loose\r\nP=3,3,3\r\n");
    EXPECT_EQ(outline(), (Lines{"GM Spots [GM Spots]", "  Hidden [Hidden]", "Early [Early]", "",
                                "Loose [Loose]"}));
    EXPECT_EQ(state.ListFullMap,
              (Lines{"gm spots|Hidden||2,2,2", "|Early||1,1,1", "|Loose||3,3,3"}));
}

TEST_F(TravelFileFixture, EveryNodeKeepsItsChildrenSortedSubcategoriesIncluded) {
    load(
        "C=Towns\r\nS=Vesper\r\nP=1,1,1\r\nS=britain\r\nP=2,2,2\r\nS=Cove\r\nP=3,3,3\r\n"
        "C=Vesper\r\nS=Docks\r\nP=4,4,4\r\nS=Bank\r\nP=5,5,5\r\n");
    EXPECT_EQ(outline(),
              (Lines{"GM Spots [GM Spots]", "Towns [Towns]", "  britain [britain]", "  Cove [Cove]",
                     "  Vesper [Vesper]", "    Bank [Bank]", "    Docks [Docks]"}));
}

TEST_F(TravelFileFixture, TheWrittenFileHoldsFourLinesPerEntryAndOnlyFourFields) {
    const auto written =
        writeMapScript(folder.path(), {"A|B|C|1,2,3", "Odd|Sub|Name|4,5,6|extra", "Short"});
    ASSERT_TRUE(written.ok) << written.error;
    EXPECT_EQ(TempFolder::read(folder / "KajMap.scp"),
              "C=A\r\nS=B\r\nL=C\r\nP=1,2,3\r\n"
              "C=Odd\r\nS=Sub\r\nL=Name\r\nP=4,5,6\r\n"
              "C=Short\r\nS=\r\nL=\r\nP=\r\n");
}

}  // namespace
}  // namespace kaj::travel
