#include "WorldMapMarkers.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "GeneratedWorld.h"
#include "InjectedFileFault.h"
#include "MapRenderer.h"
#include "TempFolder.h"
#include "TravelFile.h"

namespace kaj::travel {
namespace {

using kaj::testing::TempFolder;
using Lines = std::vector<std::string>;

TEST(MarkerExport, EachCategoryHasItsIconAndColourAndNamesLoseTheirCommas) {
    const Lines entries = {
        "Big Towns|North|Bank, West|1434,1699,0",
        "big towns|South|Gate| 10 , 20 ,5",
        "C2|S|Two|1,1,0",
        "C3|S|Three|2,2,0",
        "C4|S|Four|3,3,0",
        "C5|S|Five|4,4,0",
        "C6|S|Six|5,5,0",
        "C7|S|Seven|6,6,0",
        "C8|S|Eight|7,7,0",
        "Nine, Ten|S|Ninth|6143,4095,0",
        "Odd|S|Nowhere|6144,0,0",
        "Odd|S|Wordy|north,east,0",
        "Odd|S|Short|12",
    };
    const auto exported = markerLines(entries, terrain::kClassicWorldWidth);
    EXPECT_EQ(exported.lines, (Lines{
                                  "1434,1699,0,Bank  West,bigtowns,red,4",
                                  "10,20,0,Gate,bigtowns,red,4",
                                  "1,1,0,Two,c2,green,4",
                                  "2,2,0,Three,c3,blue,4",
                                  "3,3,0,Four,c4,yellow,4",
                                  "4,4,0,Five,c5,purple,4",
                                  "5,5,0,Six,c6,orange,4",
                                  "6,6,0,Seven,c7,cyan,4",
                                  "7,7,0,Eight,c8,white,4",
                                  "6143,4095,0,Ninth,nineten,red,4",
                                  "0,0,0,Wordy,odd,green,4",
                              }));
    // The console reads a position without numbers as 0,0, as the map and Go do; a
    // position off the map, or one without a Y, is left out and told.
    EXPECT_EQ(exported.leftOut, (Lines{"Nowhere (6144,0,0)", "Short (12)"}));
}

TEST(MarkerExport, TheFileIsWrittenWholeOrLeftAsItWas) {
    TempFolder folder;
    folder.write("markers.csv", "old\r\n");
    const Lines entries = {"Towns|North|B\xE9thel|100,200,3"};
    {
        platform::InjectedFileFault full(1, ENOSPC);
        full.onlyOf(platform::FileStep::Write);
        const auto failed =
            exportMarkers(entries, folder / "markers.csv", terrain::kClassicWorldWidth);
        EXPECT_FALSE(failed.saved);
        EXPECT_NE(failed.message.find((folder / "markers.csv").string()), std::string::npos);
    }
    EXPECT_EQ(TempFolder::read(folder / "markers.csv"), "old\r\n");
    const auto written =
        exportMarkers(entries, folder / "markers.csv", terrain::kClassicWorldWidth);
    EXPECT_TRUE(written.saved);
    EXPECT_EQ(written.message,
              "1 travel location written to " + (folder / "markers.csv").string() + ".");
    // The client reads UTF-8.
    EXPECT_EQ(TempFolder::read(folder / "markers.csv"), "100,200,0,B\xC3\xA9thel,towns,red,4\r\n");
}

TEST(MarkerReader, EveryRefusedLineIsToldByItsNumber) {
    const auto reading = readMarkers(
        "\xEF\xBB\xBF# markers of the north\r\n"
        "\r\n"
        "1434,1699,0,Bank,towns,red,4\r\n"
        "12,34,0\r\n"
        "abc,10,0,Bad X\r\n"
        "10,1e3,0,Bad Y\n"
        "10,10,one,Bad map\n"
        "  5500 , 500 , +1 ,  Despise  \n"
        "100,200,0,Pipe|Name,x,y,4\n"
        "100,200,0,   ,x,y,4\n"
        "   # an indented comment\n"
        "99999999999,1,0,Huge\n"
        "300,400,0,Crow's Cross, north,roads,red,4\n"
        "1,2,0,B\xC3\xA9thel");
    ASSERT_EQ(reading.markers.size(), 4u);
    EXPECT_EQ(reading.markers[0].line, 3);
    EXPECT_EQ(reading.markers[0].name, "Bank");
    EXPECT_EQ(reading.markers[1].line, 8);
    EXPECT_EQ(reading.markers[1].x, 5500);
    EXPECT_EQ(reading.markers[1].y, 500);
    EXPECT_EQ(reading.markers[1].map, 1);
    EXPECT_EQ(reading.markers[1].name, "Despise");
    // A comma ends the name where the client ends it.
    EXPECT_EQ(reading.markers[2].name, "Crow's Cross");
    EXPECT_EQ(reading.markers[3].name, "B\xE9thel");
    Lines refusals;
    for (const auto& refusal : reading.refusals) {
        refusals.push_back(refusal.text());
    }
    EXPECT_EQ(refusals, (Lines{
                            "Line 4: fewer than four fields (X,Y,MAP,NAME)",
                            "Line 5: X \"abc\" is not a whole number",
                            "Line 6: Y \"1e3\" is not a whole number",
                            "Line 7: MAP \"one\" is not a whole number",
                            "Line 9: the name \"Pipe|Name\" holds \"|\", which the travel "
                            "file cannot hold",
                            "Line 10: the marker has no name",
                            "Line 12: X \"99999999999\" is not a whole number",
                        }));
}

struct ImportFixture : ::testing::Test {
    TempFolder folder;
    TravelState state;
    const std::string original = "C=Imported\r\nS=north\r\nL=Bank\r\nP=1434,1699,5\r\n";
    const terrain::MapRenderer demoMap =
        terrain::MapRenderer::fromFolder(kaj::testing::generatedWorld<1>().path());
    const HeightAt heightAt = [this](int x, int y) { return demoMap.mapHeight(x, y); };
    const int kMapWidth = demoMap.worldWidth();

    ImportFixture() {
        folder.write("KajMap.scp", original);
        LoadMapScript(state, folder.path(), [](std::string_view) {});
    }
    std::string file() const { return TempFolder::read(folder / "KajMap.scp"); }
};

TEST_F(ImportFixture, MarkersOfTheMapComeInWithTheGroundsHeightAndTheRestIsTold) {
    folder.write("north.csv",
                 "576,192,0,Amberfield,towns,blue,4\n"
                 "1344,192,0,Brightwater,towns,blue,4\n"
                 "5280,525,0,Cloudspire,wilds,yellow,4\n"
                 "1434,1699,0,Bank,towns,red,4\n"       // listed already
                 "576,192,0,Amberfield,towns,blue,4\n"  // twice in the file
                 "576,193,0,Amberfield,towns,blue,4\n"  // a step away: another place
                 "100,100,1,Trammel,towns,red,4\n"
                 "6144,10,0,Far East\n"
                 "10,-1,0,North of the World\n"
                 "short\n");
    const auto imported =
        importMarkers(state, folder.path(), folder / "north.csv", heightAt, kMapWidth);
    EXPECT_TRUE(imported.outcome.saved);
    EXPECT_EQ(imported.added, 4);
    EXPECT_EQ(imported.alreadyThere, 2);
    EXPECT_EQ(imported.otherMaps, 1);
    EXPECT_EQ(imported.refusals,
              (Lines{"Line 8: 6144,10 lies outside the map", "Line 9: 10,-1 lies outside the map",
                     "Line 10: fewer than four fields (X,Y,MAP,NAME)"}));
    EXPECT_EQ(imported.message,
              "4 markers of north.csv added to Imported, north. 2 already there. 1 of other "
              "maps left out.\n\n3 lines refused:\n"
              "Line 8: 6144,10 lies outside the map\nLine 9: 10,-1 lies outside the map\n"
              "Line 10: fewer than four fields (X,Y,MAP,NAME)");
    // The heights the demo's travel file gives these towns, read from the same map.
    EXPECT_EQ(file(),
              "C=Imported\r\nS=north\r\nL=Amberfield\r\nP=576,192,3\r\n"
              "C=Imported\r\nS=north\r\nL=Amberfield\r\nP=576,193," +
                  std::to_string(demoMap.mapHeight(576, 193)) +
                  "\r\n"
                  "C=Imported\r\nS=north\r\nL=Bank\r\nP=1434,1699,5\r\n"
                  "C=Imported\r\nS=north\r\nL=Brightwater\r\nP=1344,192,22\r\n"
                  "C=Imported\r\nS=north\r\nL=Cloudspire\r\nP=5280,525,60\r\n");
    EXPECT_EQ(state.ListFullMap.size(), 5u);

    // Again: everything is there, and the file is not written.
    const auto again =
        importMarkers(state, folder.path(), folder / "north.csv", heightAt, kMapWidth);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.alreadyThere, 6);
    EXPECT_FALSE(again.outcome.saved);
}

TEST_F(ImportFixture, NothingAcceptedOrAFailedWriteLeavesTheTravelFileAsItWas) {
    folder.write("bad.csv", "1,2\nx,1,0,Name\n");
    const auto refused =
        importMarkers(state, folder.path(), folder / "bad.csv", heightAt, kMapWidth);
    EXPECT_EQ(refused.added, 0);
    EXPECT_EQ(refused.message,
              "No marker of bad.csv was added; KajMap.scp is unchanged.\n\n2 lines refused:\n"
              "Line 1: fewer than four fields (X,Y,MAP,NAME)\n"
              "Line 2: X \"x\" is not a whole number");
    EXPECT_EQ(file(), original);

    const auto missing =
        importMarkers(state, folder.path(), folder / "none.csv", heightAt, kMapWidth);
    EXPECT_EQ(missing.added, 0);
    EXPECT_EQ(missing.outcome.refusal, (folder / "none.csv").string() + " could not be read.");
    EXPECT_EQ(file(), original);

    folder.write("good.csv", "10,20,0,Good\n");
    {
        platform::InjectedFileFault full(1, ENOSPC);
        full.onlyOf(platform::FileStep::Write);
        const auto failed =
            importMarkers(state, folder.path(), folder / "good.csv", heightAt, kMapWidth);
        EXPECT_EQ(failed.added, 0);
        EXPECT_FALSE(failed.outcome.saved);
        EXPECT_NE(failed.message.find("could not be saved"), std::string::npos);
    }
    EXPECT_EQ(file(), original);
    EXPECT_EQ(state.ListFullMap, (Lines{"Imported|north|Bank|1434,1699,5"}));
}

}  // namespace
}  // namespace kaj::travel
