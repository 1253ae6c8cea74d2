#include <gtest/gtest.h>

#include "RunProgram.h"
#include "TempFolder.h"

namespace kaj::testing {
namespace {

struct TravelCliFixture : ::testing::Test {
    TempFolder folder;
    std::string errors;
    std::string output;

    int run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(),
                         {KAJ_KAJCLI, "travel", "--dir", folder.path().string()});
        return runProgram(arguments, &errors, &output);
    }
};

TEST_F(TravelCliFixture, ListsTheEntriesAndTheTreeOrTellsOfAMissingFile) {
    EXPECT_EQ(run({"--tree"}), 0);
    EXPECT_EQ(output, "--\n");
    EXPECT_EQ(errors, "KajMap.scp does not exist!\n");

    folder.write("KajMap.scp", "C=Towns\r\nS=Britain\r\nL=Bank\r\nP=1434,1699,0\r\n");
    EXPECT_EQ(run({}), 0);
    EXPECT_EQ(output, "Towns|Britain|Bank|1434,1699,0\n");
    EXPECT_EQ(errors, "");
    EXPECT_EQ(run({"--tree"}), 0);
    EXPECT_EQ(output,
              "Towns|Britain|Bank|1434,1699,0\n--\nGM Spots [GM Spots]\nTowns [Towns]\n"
              "  Britain [Britain]\n");
}

TEST_F(TravelCliFixture, AddsEditsAndRemovesThroughTheFile) {
    EXPECT_EQ(run({"--add", "Towns", "Britain", "Bank", "1434", "1699", "0"}), 0);
    EXPECT_EQ(errors, "KajMap.scp does not exist!\n");
    EXPECT_EQ(output, "Towns|Britain|Bank|1434,1699,0\n");
    EXPECT_EQ(run({"--add", "Dungeons", "Despise", "Entrance", "5500", "500", "0", "--tree"}), 0);
    EXPECT_EQ(output,
              "Dungeons|Despise|Entrance|5500,500,0\nTowns|Britain|Bank|1434,1699,0\n--\n"
              "GM Spots [GM Spots]\nDungeons [Dungeons]\n  Despise [Despise]\nTowns [Towns]\n"
              "  Britain [Britain]\n");
    EXPECT_EQ(run({"--edit", "1", "Towns", "Britain", "West Bank", "1430", "1700", "5"}), 0);
    EXPECT_EQ(output,
              "Dungeons|Despise|Entrance|5500,500,0\nTowns|Britain|West Bank|1430,1700,5\n");
    EXPECT_EQ(run({"--remove", "0"}), 0);
    EXPECT_EQ(output, "Towns|Britain|West Bank|1430,1700,5\n");
    EXPECT_EQ(TempFolder::read(folder / "KajMap.scp"),
              "C=Towns\r\nS=Britain\r\nL=West Bank\r\nP=1430,1700,5\r\n");
}

TEST_F(TravelCliFixture, ARefusedChangeSaysWhyExitsOneAndKeepsTheFile) {
    const std::string original = "C=Towns\r\nS=Britain\r\nL=Bank\r\nP=1434,1699,0\r\n";
    folder.write("KajMap.scp", original);
    EXPECT_EQ(run({"--add", "Towns", "Brit|ain", "Bank", "1", "2", "3"}), 1);
    EXPECT_EQ(errors, "The Subsection cannot contain |, or a line break.\n");
    EXPECT_EQ(output, "");
    EXPECT_EQ(run({"--remove", "1"}), 1);
    EXPECT_EQ(errors, "There is no location with the index 1.\n");
    EXPECT_EQ(TempFolder::read(folder / "KajMap.scp"), original);
    EXPECT_EQ(run({"--edit", "0", "too", "few"}), 2);
}

}  // namespace
}  // namespace kaj::testing
