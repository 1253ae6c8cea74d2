#include "ScriptFiles.h"

#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "TempFolder.h"
#include "TreeBuilders.h"

namespace kaj::catalogue {
namespace {

using kaj::testing::TempFolder;

struct ScriptFilesFixture : ::testing::Test {
    TempFolder folder;
    CatalogueState state;
    RecordedMessages recorded;

    void loadItems() { Load_Kaj_Item_Script(state, folder.path(), recorded.sink()); }
};

TEST_F(ScriptFilesFixture, ItemFilesGiveSortedRecordsAndTheTwoRootedTrees) {
    folder.write("KajItems.scp",
                 "loose|0x1|0x1\r\n"
                 "# # # Category = Weapons \r\n"
                 "- - - Section = Swords\r\n"
                 "katana|0x13FF|0x13FF|0x0481\r\n"
                 "dagger|\r\n"
                 "a|bc\r\n"
                 "# # # category = armor\r\n"
                 "plate|0x1415|0x1415\r\n"
                 "-- section=Ignored\r\n"
                 "\tTabbed|0x1|0x1\r\n"
                 "- - - SECTION = Helmets\r\n"
                 "- - - Section = Axes\r\n"
                 "last line without end|0x2|0x2");
    folder.write("KajItems2.scp", "Category = Weapons\nSection = Custom swords\nvorpal|0x1|0x1\n");
    loadItems();

    EXPECT_TRUE(recorded.messages.empty());
    // An item before any header has two empty fields (and sorts after letters);
    // one after a new category keeps the previous section; tabs stay in script lines.
    EXPECT_EQ(state.ListFullItem,
              (Lines{"armor|Axes|last line without end|0x2|0x2", "armor|Swords|\tTabbed|0x1|0x1",
                     "armor|Swords|plate|0x1415|0x1415", "Weapons|Custom swords|vorpal|0x1|0x1",
                     "Weapons|Swords|dagger|", "Weapons|Swords|katana|0x13FF|0x13FF|0x0481",
                     "||loose|0x1|0x1"}));
    EXPECT_EQ(state.tvwItems.outline(),
              (Lines{"Items [Items]", "  armor [Itemsarmor]", "    Axes", "    Helmets",
                     "  Weapons [ItemsWeapons]", "    Swords", "Custom [Custom]",
                     "  Weapons [CustomWeapons]", "    Custom swords"}));
}

TEST_F(ScriptFilesFixture, ARepeatedCategoryAddsNoNodeAndItsSectionsJoinTheFirst) {
    folder.write("KajItems.scp",
                 "Category = Tools\nSection = Saws\nCategory = Tools\nSection = Hammers\n"
                 "Section = Saws\n");
    loadItems();
    EXPECT_EQ(state.tvwItems.outline(), (Lines{"Items [Items]", "  Tools [ItemsTools]",
                                               "    Hammers", "    Saws", "    Saws"}));
}

TEST_F(ScriptFilesFixture, MissingFilesAreReportedAndTheCustomFileIsNotReadAlone) {
    folder.write("KajItems2.scp", "Category = Shard\nSection = Misc\nmarker|0x1|0x1\n");
    loadItems();
    EXPECT_EQ(recorded.messages, Lines{"KajItems.scp does not exist!"});
    EXPECT_TRUE(state.ListFullItem.empty());
    EXPECT_EQ(state.tvwItems.outline(), Lines{"Items [Items]"});

    Load_Kaj_Char_Script(state, folder.path(), recorded.sink());
    EXPECT_EQ(recorded.messages.back(), "KajChar.scp does not exist!");
}

TEST_F(ScriptFilesFixture, EveryLineOfTheNpcFileIsARecordAndShortOnesAddNoNodes) {
    folder.write("kajchar.SCP", "NPCs|Misc|banker|0x190|1002\r\n\r\nTown|Guards|guard|0x190|0\r\n");
    Load_Kaj_Char_Script(state, folder.path(), recorded.sink());
    EXPECT_EQ(state.ListFullChar,
              (Lines{"NPCs|Misc|banker|0x190|1002", "", "Town|Guards|guard|0x190|0"}));
    MakeNpcNodes(state);
    EXPECT_EQ(state.tvwNPC.outline(),
              (Lines{"NPCs [NPCs]", "  Misc", "  Town [Town]", "    Guards"}));
}

}  // namespace
}  // namespace kaj::catalogue
