#include "TravelEntries.h"

#include "PositionText.h"

#include <gtest/gtest.h>

namespace kaj::travel {
namespace {

using Lines = std::vector<std::string>;

TEST(TravelEntries, ThePlaceListHoldsTheSubcategoryExactlyWithTrimmedPositionsAndIndexes) {
    const Lines entries = {"Dungeons|Britain|Despise|5500,500,0", "Towns|britain|Bank| 1,2,3 ",
                           "Towns|Britain|Castle|1323,1624,0", "Towns|Moonglow|Lyceum|4,5,6"};
    const auto rows = placesOfNode(entries, "Britain");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "Despise");
    EXPECT_EQ(rows[0].index, 0);
    EXPECT_EQ(rows[1].name, "Castle");
    EXPECT_EQ(rows[1].location, "1323,1624,0");
    EXPECT_EQ(rows[1].index, 2);
    EXPECT_EQ(placesOfNode(entries, "britain")[0].location, "1,2,3");
    EXPECT_TRUE(placesOfNode(entries, "Towns").empty());
    EXPECT_TRUE(placesOfNode(entries, "GM Spots").empty());
}

TEST(TravelEntries, EntriesAreBuiltAsTypedAndSplitBackWithMissingPartsEmpty) {
    const LocationFields typed{" Towns", "Britain ", "", "1434", "", "x"};
    EXPECT_EQ(buildEntry(typed), " Towns|Britain ||1434,,x");
    const auto back = fieldsOfEntry("Towns|Britain|Bank|1434,1699");
    EXPECT_EQ(back.name, "Bank");
    EXPECT_EQ(back.x, "1434");
    EXPECT_EQ(back.y, "1699");
    EXPECT_EQ(back.z, "");
    const auto extra = fieldsOfEntry("A|B|C|1,2,3,4");
    EXPECT_EQ(extra.z, "3");
    EXPECT_EQ(fieldsOfEntry("Lonely").subsection, "");
}

TEST(TravelEntries, FieldsTheFileCannotHoldAreNamedInTheirOrder) {
    LocationFields fields{"Towns", "Brit|ain", "Ba\nnk", "1", "2", "3"};
    EXPECT_EQ(refusedField(fields), "The Subsection cannot contain |, or a line break.");
    fields.subsection = "Britain";
    EXPECT_EQ(refusedField(fields), "The Name cannot contain |, or a line break.");
    fields.name = "Bank";
    fields.z = "3\r";
    EXPECT_EQ(refusedField(fields), "The Z cannot contain |, or a line break.");
    fields.z = "3";
    EXPECT_EQ(refusedField(fields), std::nullopt);
}

TEST(TravelEntries, ComboBoxesGainEachNameOnceInAnyCaseWithoutLeadingBlanks) {
    Lines categories = {"towns"};
    Lines subsections;
    addComboItems({"  Towns|Britain|a|1,1,1", "Dungeons| britain|b|2,2,2", "Dungeons|Cove |c|3"},
                  categories, subsections);
    EXPECT_EQ(categories, (Lines{"towns", "Dungeons"}));
    EXPECT_EQ(subsections, (Lines{"Britain", "Cove "}));
}

TEST(TravelEntries, GoTurnsEveryCommaIntoABlankAndKeepsTheRest) {
    EXPECT_EQ(goCommand("1495,1629,10"), "goxyz 1495 1629 10");
    EXPECT_EQ(goCommand("100, 200, 0"), "goxyz 100  200  0");
    EXPECT_EQ(goCommand(""), "goxyz ");
    EXPECT_EQ(removeQuestion("Bank", "1,2,3"),
              "Are you Sure you want to remove this location?\r\n\r\n"
              "           Name        :     Bank\r\n           Location    :     1,2,3");
}

}  // namespace
}  // namespace kaj::travel

namespace kaj::travel {
namespace {

TEST(PositionText, CoordinatesReadAsNumbersRoundHalvesToEvenAndMustFit16Bits) {
    struct Row {
        const char* field;
        std::optional<std::int16_t> value;
    };
    const Row rows[] = {
        {"1434", 1434},
        {" 1 4 3 4 ", 1434},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"+7", 7},
        {"1e3", 1000},
        {"1.5e1x", 15},
        {"1e", 1},
        {".5", 0},
        {"-", 0},
        {"32767", 32767},
        {"32768", {}},
        {"-32768.4", -32768},
        {"1e400", {}},
        {"12,5", 12},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(mapCoordinate(row.field), row.value) << row.field;
    }
    EXPECT_EQ(positionText(1495, 1629, -10), "1495,1629,-10");
    const auto centre = mapCentreOf("1495, 1629 ,10");
    EXPECT_EQ(centre.x, 1495);
    EXPECT_EQ(centre.y, 1629);
    EXPECT_EQ(mapCentreOf("77").y, std::nullopt);
    EXPECT_EQ(mapCentreOf("77").x, 77);
}

}  // namespace
}  // namespace kaj::travel
