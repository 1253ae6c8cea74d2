#include <gtest/gtest.h>

#include <set>

#include "FileSystemTraits.h"
#include "GeneratedWorld.h"
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

// The demo's 38 places, sorted as the travel list keeps them, as marker lines.
const char* const kDemoMarkers =
    "1280,256,0,Ashen Crossing,roads,red,4\r\n2304,256,0,Broken Mile,roads,red,4\r\n"
    "3328,256,0,Crow's Cross,roads,red,4\r\n4864,256,0,Drover's Rest,roads,red,4\r\n"
    "1280,1792,0,Elm Corner,roads,red,4\r\n3328,1792,0,Fallow Cross,roads,red,4\r\n"
    "3840,2304,0,Gallows Turn,roads,red,4\r\n2304,3328,0,Harrow Gate,roads,red,4\r\n"
    "2880,960,0,Council Hall,staff,green,4\r\n5568,960,0,Jail,staff,green,4\r\n"
    "1728,1344,0,Greywell,towns,blue,4\r\n2496,1344,0,Hollowmere,towns,blue,4\r\n"
    "2880,1344,0,Ironford,towns,blue,4\r\n3648,1344,0,Juniper Hill,towns,blue,4\r\n"
    "4032,1344,0,Kingsbridge,towns,blue,4\r\n4416,1344,0,Larkspur,towns,blue,4\r\n"
    "576,192,0,Amberfield,towns,blue,4\r\n1344,192,0,Brightwater,towns,blue,4\r\n"
    "1728,192,0,Coldharbour,towns,blue,4\r\n2496,192,0,Dunmere,towns,blue,4\r\n"
    "4416,192,0,Eastwatch,towns,blue,4\r\n5952,192,0,Frostholm,towns,blue,4\r\n"
    "960,2496,0,Millbrook,towns,blue,4\r\n1344,2496,0,Northam Sands,towns,blue,4\r\n"
    "3264,2496,0,Oakhaven,towns,blue,4\r\n3648,2496,0,Pinecrest,towns,blue,4\r\n"
    "4416,2880,0,Queensport,towns,blue,4\r\n576,3264,0,Redmoor,towns,blue,4\r\n"
    "2329,231,0,Deepwood,wilds,yellow,4\r\n3264,382,0,Old Thornwood,wilds,yellow,4\r\n"
    "5202,382,0,Whisperpines,wilds,yellow,4\r\n5280,525,0,Cloudspire,wilds,yellow,4\r\n"
    "4494,1786,0,Eagle's Seat,wilds,yellow,4\r\n2267,2077,0,Greyhorn,wilds,yellow,4\r\n"
    "3315,2756,0,Stormcrown,wilds,yellow,4\r\n2094,149,0,Gull Bay,wilds,yellow,4\r\n"
    "1981,772,0,Saltmarsh,wilds,yellow,4\r\n4037,772,0,Tidewrack Point,wilds,yellow,4\r\n";

// NAME|POSITION of each entry kajcli lists.
std::set<std::string> namesAndPositions(const std::string& listed) {
    std::set<std::string> places;
    std::size_t start = 0;
    while (start < listed.size()) {
        const std::size_t end = listed.find('\n', start);
        const std::string entry = listed.substr(start, end - start);
        const std::size_t second = entry.find('|', entry.find('|') + 1);
        places.insert(entry.substr(second + 1));
        start = end + 1;
    }
    return places;
}

TEST_F(TravelCliFixture, TheDemoPlacesGoOutAsMarkersAndComeBackWithTheMapsHeights) {
    if (!kShellScriptsRun) {
        GTEST_SKIP() << "the demo's travel file is made by a shell script";
    }
    ASSERT_EQ(runProgram({KAJ_DEMO_TRAVEL_SCRIPT, folder.path().string()}), 0);
    const auto markers = folder / "demo-places.csv";
    ASSERT_EQ(run({"--export-markers", markers.string()}), 0);
    EXPECT_EQ(errors, "38 travel locations written to " + markers.string() + ".\n");
    EXPECT_EQ(TempFolder::read(markers), kDemoMarkers);
    const auto demoPlaces = namesAndPositions(output);
    ASSERT_EQ(demoPlaces.size(), 38u);

    // Into an empty travel file, against the demo's map: the same names and
    // positions, and the heights the demo's file was made with.
    TempFolder empty;
    empty.write("KajMap.scp", "");
    const auto world = generatedWorld<1>().path().string();
    const auto import = [&] {
        return runProgram({KAJ_KAJCLI, "travel", "--dir", empty.path().string(), "--import-markers",
                           markers.string(), "--client", world},
                          &errors, &output);
    };
    ASSERT_EQ(import(), 0);
    EXPECT_EQ(errors, "38 markers of demo-places.csv added to Imported, demo-places.\n");
    EXPECT_EQ(namesAndPositions(output), demoPlaces);
    EXPECT_EQ(output.rfind("Imported|demo-places|Amberfield|576,192,3\n", 0), 0u);
    const std::string imported = TempFolder::read(empty / "KajMap.scp");

    ASSERT_EQ(import(), 0);
    EXPECT_EQ(errors,
              "No marker of demo-places.csv was added; KajMap.scp is unchanged. 38 "
              "already there.\n");
    EXPECT_EQ(TempFolder::read(empty / "KajMap.scp"), imported);
}

TEST_F(TravelCliFixture, AnImportOfRefusedLinesSaysWhichExitsOneAndWritesNothing) {
    folder.write("KajMap.scp", "");
    folder.write("bad.csv", "# header\n1,2,0\n1,2,0,a|b\n");
    EXPECT_EQ(run({"--import-markers", (folder / "bad.csv").string()}), 1);
    EXPECT_EQ(errors,
              "No marker of bad.csv was added; KajMap.scp is unchanged.\n\n2 lines refused:\n"
              "Line 2: fewer than four fields (X,Y,MAP,NAME)\n"
              "Line 3: the name \"a|b\" holds \"|\", which the travel file cannot hold\n");
    EXPECT_EQ(TempFolder::read(folder / "KajMap.scp"), "");
    EXPECT_EQ(run({"--export-markers", (folder / "out.csv").string(), "--client", "x"}), 2);
}

}  // namespace
}  // namespace kaj::testing
