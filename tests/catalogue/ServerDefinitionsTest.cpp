#include "ServerDefinitions.h"

#include <gtest/gtest.h>

#include "CatalogueLoads.h"
#include "CatalogueTestSupport.h"
#include "FileSystemTraits.h"
#include "TempFolder.h"
#include "TreeBuilders.h"

namespace kaj::catalogue {
namespace {

using kaj::testing::TempFolder;

struct ServerFixture : ::testing::Test {
    TempFolder server;
    CatalogueState state;
    RecordedMessages recorded;

    void loadItems() { loadItemCatalogue(state, {false, {}, server.path()}, recorded.sink()); }
    void loadNpcs() { loadNpcCatalogue(state, {false, {}, server.path()}, recorded.sink()); }
};

TEST_F(ServerFixture, ItemLinesAreClassifiedOneByOneByTheirLoosePatterns) {
    server.write("config/itemdesc.cfg",
                 "Item 0x0F3F\n{\n\tGraphic 0x0F40\n\tName arrow Name\n}\n"
                 "House 0x6070\n{\n\tName smallhouse\n}\n"
                 "Category=Magic\n"
                 "Weapon\t0x1401\n{\n  GRAPHIC 0x1402\n  Color 0x0481\n  Colorful color\n}\n"
                 "Door 0x0675\n{\n Subsection=  Iron doors \n}\n"
                 "Armor=0x1415\n{\n}\n"
                 "ITEMS 0x1\n{\n\t// a name in a comment\n}\n");
    loadItems();
    EXPECT_EQ(state.ListFullItem,
              (Lines{"Items|Iron doors|Door|0x0675|0x0675|0",
                     "Items|Misc|// a  in a comment|0x1|0x1|0", "Items|Misc|arrow|0x0F3F|0x0F40|0",
                     "Items|Misc|smallhouse|0x0F3F|0x0F40|0", "Items|Misc|Unnamed|0x1415|0x1415|0",
                     "Magic|Misc|Unnamed|0x1401|GRAPHIC 0x1402|ful"}));
}

TEST_F(ServerFixture, AKeyWordAloneAtALineStartEndsTheFileKeepingEarlierRecords) {
    server.write("config/itemdesc.cfg", "Item 0x1\n{\n}\nName\nItem 0x2\n{\n}\n");
    server.write("config/npcdesc.cfg", "NpcTemplate a\n{\n}\nObjType\nNpcTemplate b\n{\n}\n");
    loadItems();
    loadNpcs();
    EXPECT_EQ(state.ListFullItem, Lines{"Items|Misc|Unnamed|0x1|0x1|0"});
    EXPECT_EQ(state.ListFullChar, Lines{"NPCs|Misc|a||0"});
}

TEST_F(ServerFixture, NpcTemplatesIgnoreLetterCaseAndColourRangesAreNotColours) {
    server.write("config/npcdesc.cfg",
                 "NpcTemplate orc\n{\n\tObjType 0x11\n\tColorrange 1 5\n\tTrueColor 33784\n}\n"
                 "NPCTemplate  troll \n{\n  objtype=0x36 \n  Category=Giants\n  "
                 "Subsection=Hill\n  Color 0x0481\n}\n"
                 "npctemplate wisp\n{\n}\n");
    loadNpcs();
    EXPECT_EQ(state.ListFullChar,
              (Lines{"NPCs|Misc|orc|0x11|33784", "Giants|Hill|troll|0x36|Color 0x0481",
                     "NPCs|Misc|wisp|0x36|0"}));
    EXPECT_EQ(state.tvwNPC.outline(),
              (Lines{"NPCs [NPCs]", "  Giants [Giants]", "    Hill", "  Misc"}));
}

TEST_F(ServerFixture, PackagesAreFoundInBothLayoutsEnabledAndNamedAsTheServerReadsThem) {
    server.write("pkg/std/combat/pkg.cfg", "Enabled 1\nName combat\n");
    server.write("pkg/std/combat/config/itemdesc.cfg", "Item 0x1\n{\n}\n");
    server.write("pkg/std/combat/itemdesc.cfg", "Item 0x9\n{\n}\n");  // the server reads config/
    server.write("pkg/old/PKG.CFG", "\t Enabled 1\n   Name oldstyle\n");
    server.write("pkg/old/ItemDesc.cfg", "Item 0x2\n{\n}\n");
    server.write("pkg/off/pkg.cfg", "Enabled 0\nName off\n");
    server.write("pkg/off/itemdesc.cfg", "Item 0x3\n{\n}\n");
    server.write("pkg/moved/pkg.cfg", "Enabled 1\nName moved\nCategory=Tools\nSubsection=Saws\n");
    server.write("pkg/moved/itemdesc.cfg", "Item 0x4\n{\n}\n");
    server.write("pkg/dotted.d/pkg.cfg", "Enabled 1\nName dotted\n");
    server.write("pkg/dotted.d/itemdesc.cfg", "Item 0x5\n{\n}\n");
    server.write("pkg/broken/pkg.cfg", "Enabled 1\nName\n");
    server.write("pkg/broken/itemdesc.cfg", "Item 0x6\n{\n}\n");
    loadItems();
    EXPECT_EQ(recorded.messages, Lines{"pkg.cfg is invalid please remove any tabs in it."});
    EXPECT_EQ(state.ListFullItem,
              (Lines{"Packages|combat|Unnamed|0x1|0x1|0", "Packages|oldstyle|Unnamed|0x2|0x2|0",
                     "Tools|Saws|Unnamed|0x4|0x4|0"}));
    EXPECT_EQ(state.tvwItems.outline(),
              (Lines{"Custom [Custom]", "  Packages [Packages]", "    combat", "    oldstyle",
                     "  Tools [Tools]", "    Saws"}));
}

TEST_F(ServerFixture, TheWalkIsDepthFirstInFoldedNameOrderAndSurvivesALinkLoop) {
    if (!kaj::testing::kLinksCanBeMade) {
        GTEST_SKIP() << "symbolic links cannot be made here";
    }
    for (const char* name : {"b", "A", "a", "c"}) {
        server.write(std::string("pkg/") + name + "/pkg.cfg",
                     std::string("Enabled 1\nName ") + name + "\n");
        server.write(std::string("pkg/") + name + "/npcdesc.cfg", "NpcTemplate x\n{\n}\n");
    }
    server.write("pkg/A/inner/pkg.cfg", "Enabled 1\nName inner\n");
    server.write("pkg/A/inner/npcdesc.cfg", "NpcTemplate y\n{\n}\n");
    std::filesystem::create_directory_symlink(server / "pkg", server / "pkg/c/loop");
    loadNpcs();
    EXPECT_EQ(state.ListFullChar, (Lines{"Packages|A|x||0", "Packages|inner|y||0",
                                         "Packages|a|x||0", "Packages|b|x||0", "Packages|c|x||0"}));
}

TEST_F(ServerFixture, TwoCategoriesWithOneSectionNameShareItsNode) {
    state.ListFullItem = {"Armor|Misc|a|1|1|0",
                          "Weapons|Misc|b|1|1|0",
                          "weapons|Axes|c|1|1|0",
                          "Custom|Loose|d|1|1|0",
                          "short",
                          ""};
    MakeItemNodes(state);
    // "weapons" is known by its text, so Axes finds no parent keyed "weapons"; a
    // category named like the root puts its section under the root.
    EXPECT_EQ(state.tvwItems.outline(), (Lines{"Custom [Custom]", "  Armor [Armor]", "    Misc",
                                               "  Loose", "  Weapons [Weapons]"}));
}

TEST_F(ServerFixture, AnEmptyServerFolderReadsNothing) {
    loadItemCatalogue(state, {false, {}, {}}, recorded.sink());
    EXPECT_TRUE(state.ListFullItem.empty());
    EXPECT_EQ(state.tvwItems.outline(), Lines{"Custom [Custom]"});
}

}  // namespace
}  // namespace kaj::catalogue
