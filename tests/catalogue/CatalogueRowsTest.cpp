#include "CatalogueRows.h"

#include <gtest/gtest.h>

#include "ArtPreview.h"

namespace kaj::catalogue {
namespace {

TEST(CatalogueRows, SectionsMatchExactlyAcrossCategoriesAndSearchesLookAtTheNameOnly) {
    const std::vector<std::string> items = {
        "Armor|Misc|plate | 0x1 |0x2 | 0x0481", "Weapons|Misc|Sword of might|0x3|0x4|0",
        "Swords|Blades|dagger|0x5|0x6|0", "Weapons|misc|axe", "x"};
    const auto misc = itemRowsOfSection(items, "Misc");
    ASSERT_EQ(misc.size(), 2u);
    EXPECT_EQ(misc[0].name, "plate ");
    EXPECT_EQ(misc[0].id, "0x1");
    EXPECT_EQ(misc[0].graphic, "0x2");
    EXPECT_EQ(misc[0].color, "0x0481");
    EXPECT_EQ(misc[1].name, "Sword of might");

    const auto swords = itemRowsMatching(items, "sword");
    ASSERT_EQ(swords.size(), 1u);  // not the dagger, whose only match is its category
    EXPECT_EQ(swords[0].name, "Sword of might");
    EXPECT_EQ(swords[0].color, "");
    const auto every = itemRowsMatching(items, "");
    ASSERT_EQ(every.size(), items.size());
    EXPECT_EQ(every[3].graphic, "");
    EXPECT_EQ(every[4].name, "");
    EXPECT_EQ(distinctObjectTypes(every), (std::vector<std::string>{"0x1", "0x3", "0x5"}));

    const std::vector<std::string> npcs = {"NPCs|Orcs|orc captain| 0x11 | 0x0481", "NPCs|Orcs|Orc",
                                           "Orcs|Misc|troll|0x36|0"};
    const auto orcs = npcRowsOfSection(npcs, "Orcs");
    ASSERT_EQ(orcs.size(), 2u);
    EXPECT_EQ(orcs[0].objType, " 0x11 ");
    EXPECT_EQ(orcs[1].color, "");
    const auto found = npcRowsMatching(npcs, "orc");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].objType, "0x11");
    EXPECT_EQ(found[0].color, "0x0481");
}

TEST(ArtPreview, GraphicsAndColoursReadAsTheWindowsReadThem) {
    EXPECT_EQ(itemArtIndex("0x1F03"), 7939);
    EXPECT_EQ(itemArtIndex("7939"), 0x39);
    EXPECT_EQ(itemArtIndex(""), 0);
    EXPECT_EQ(itemArtIndex("0x1FFFFFFFF"), std::nullopt);

    EXPECT_EQ(itemArtColor("0x0481"), 1153);
    EXPECT_EQ(itemArtColor("1153"), 1153);
    EXPECT_EQ(itemArtColor("0X0481"), 0);
    EXPECT_EQ(itemArtColor(""), 0);
    EXPECT_EQ(itemArtColor("0x8481"), static_cast<std::int16_t>(0x8481));
    EXPECT_EQ(itemArtColor("0x10000"), std::nullopt);
    EXPECT_EQ(itemArtColor("40000"), std::nullopt);

    EXPECT_EQ(npcArtIndex("0x190"), 400);
    EXPECT_EQ(npcArtIndex("190"), 400);
    EXPECT_EQ(npcArtIndex(" 0x190 "), 400);
    EXPECT_EQ(npcArtColor("20001"), 1002);
    EXPECT_EQ(npcArtColor("20000"), 20000);
    EXPECT_EQ(npcArtColor("33784"), 1002);
    EXPECT_EQ(npcArtColor("0xFFFF"), -1);
    EXPECT_EQ(npcArtColor("Color 5"), 0);
}

}  // namespace
}  // namespace kaj::catalogue
