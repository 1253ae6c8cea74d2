#include "LocationEdits.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "InjectedFileFault.h"
#include "TempFolder.h"
#include "TravelFile.h"

namespace kaj::travel {
namespace {

using kaj::testing::TempFolder;
using Lines = std::vector<std::string>;

struct EditsFixture : ::testing::Test {
    TempFolder folder;
    TravelState state;
    const std::string original =
        "C=Towns\r\nS=Britain\r\nL=Castle\r\nP=1323,1624,0\r\n"
        "C=Dungeons\r\nS=Despise\r\nL=Entrance\r\nP=5500,500,0\r\n";

    EditsFixture() {
        folder.write("KajMap.scp", original);
        LoadMapScript(state, folder.path(), [](std::string_view) {});
    }
    std::string file() const { return TempFolder::read(folder / "KajMap.scp"); }
};

TEST_F(EditsFixture, AddingANewCategoryWritesSortedGroupsAndReloadsTheTree) {
    const auto outcome =
        addLocation(state, folder.path(), {"Shrines", "Virtue", "Honesty", "4210", "563", "8"});
    EXPECT_TRUE(outcome.saved);
    EXPECT_EQ(file(),
              "C=Dungeons\r\nS=Despise\r\nL=Entrance\r\nP=5500,500,0\r\n"
              "C=Shrines\r\nS=Virtue\r\nL=Honesty\r\nP=4210,563,8\r\n"
              "C=Towns\r\nS=Britain\r\nL=Castle\r\nP=1323,1624,0\r\n");
    EXPECT_EQ(
        state.tvwMap.outline(),
        (Lines{"GM Spots [GM Spots]", "Dungeons [Dungeons]", "  Despise [Despise]",
               "Shrines [Shrines]", "  Virtue [Virtue]", "Towns [Towns]", "  Britain [Britain]"}));
}

TEST_F(EditsFixture, EditingMovesTheEntryToItsNewPlaceAndRemovingTheLastDropsItsNodes) {
    // Index 1 is Towns, after Dungeons in the sorted list.
    EXPECT_TRUE(
        replaceLocation(state, folder.path(), 1, {"Arena", "Pit", "Castle", "1", "2", "3"}).saved);
    EXPECT_EQ(state.ListFullMap,
              (Lines{"Arena|Pit|Castle|1,2,3", "Dungeons|Despise|Entrance|5500,500,0"}));
    EXPECT_TRUE(removeLocation(state, folder.path(), 1).saved);
    EXPECT_EQ(state.tvwMap.outline(),
              (Lines{"GM Spots [GM Spots]", "Arena [Arena]", "  Pit [Pit]"}));
    EXPECT_EQ(file(), "C=Arena\r\nS=Pit\r\nL=Castle\r\nP=1,2,3\r\n");
}

TEST_F(EditsFixture, RefusedChangesLeaveTheListAndTheFileAsTheyWere) {
    const Lines before = state.ListFullMap;
    auto outcome = addLocation(state, folder.path(), {"Towns", "Britain", "A|B", "1", "2", "3"});
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.refusal, "The Name cannot contain |, or a line break.");
    outcome = replaceLocation(state, folder.path(), 2, {"A", "B", "C", "1", "2", "3"});
    EXPECT_EQ(outcome.refusal, "There is no location with the index 2.");
    outcome = removeLocation(state, folder.path(), -1);
    EXPECT_EQ(outcome.refusal, "There is no location with the index -1.");
    EXPECT_EQ(state.ListFullMap, before);
    EXPECT_EQ(file(), original);
}

TEST_F(EditsFixture, AFailedWriteNamesThePathAndShowsTheFileAsItStillIs) {
    platform::InjectedFileFault full(1, ENOSPC);
    full.onlyOf(platform::FileStep::Open);
    const auto outcome =
        addLocation(state, folder.path(), {"Shrines", "Virtue", "Honesty", "1", "2", "3"});
    EXPECT_FALSE(outcome.saved);
    EXPECT_NE(outcome.refusal.find((folder / "KajMap.scp").string()), std::string::npos);
    EXPECT_EQ(state.ListFullMap.size(), 2u);
    EXPECT_EQ(file(), original);
}

TEST(LocationEdits, TheFirstAddCreatesAMissingFile) {
    TempFolder folder;
    TravelState state;
    EXPECT_TRUE(addLocation(state, folder.path(), {"", "", "", "", "", ""}).saved);
    EXPECT_EQ(TempFolder::read(folder / "KajMap.scp"), "C=\r\nS=\r\nL=\r\nP=,,\r\n");
    EXPECT_EQ(state.ListFullMap, Lines{"|||,,"});
}

}  // namespace
}  // namespace kaj::travel
