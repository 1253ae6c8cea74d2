#include "CatalogueFileBuilder.h"

#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "ScriptFiles.h"
#include "TempFolder.h"

namespace kaj::catalogue {
namespace {

using kaj::testing::TempFolder;

TEST(CatalogueFileBuilder, HeadersMarkEveryChangeOfCategoryOrSectionIgnoringCase) {
    EXPECT_EQ(itemScriptLines({"|Misc|loose|0x1|0x1|0", "Armor|Misc|plate|0x2|0x2|0x0481",
                               "armor|misc|helm|0x3|0x3|0", "Weapons|Misc|sword|0x4|0x5|0",
                               "Weapons|  Axes |axe|0x6|0x6|0", "short"}),
              (Lines{"- - - - - - - - - - - - - - Section = Misc", "loose|0x1|0x1",
                     "# # # # # # # # # # # # # # Category = Armor",
                     "- - - - - - - - - - - - - - Section = Misc", "plate|0x2|0x2", "helm|0x3|0x3",
                     "# # # # # # # # # # # # # # Category = Weapons",
                     "- - - - - - - - - - - - - - Section = Misc", "sword|0x4|0x5",
                     "- - - - - - - - - - - - - - Section = Axes", "axe|0x6|0x6",
                     "# # # # # # # # # # # # # # Category = short",
                     "- - - - - - - - - - - - - - Section = ", "||"}));
}

TEST(CatalogueFileBuilder, WrittenFilesReadBackAsTheRecordsWithoutColourAndAreBackedUp) {
    TempFolder folder;
    folder.write("KajItems2.scp", "old items\r\n");
    folder.write("KajChar.scp", "old npcs\r\n");
    const Lines items = {"Armor|Plate|tunic|0x1415|0x1415|0x0481",
                         "Weapons|Swords|katana|0x13FF|0x13FF|0"};
    const Lines npcs = {"NPCs|Misc|banker|0x190|1002", "", "Town|Guards|guard|0x190|0x0003"};
    const auto result = writeCatalogueDataFiles(folder.path(), items, npcs);
    EXPECT_TRUE(result.items.backedUp && result.npcs.backedUp);
    EXPECT_TRUE(result.items.written && result.npcs.written);
    EXPECT_EQ(TempFolder::read(folder / "KajItems2.bak"), "old items\r\n");
    EXPECT_EQ(TempFolder::read(folder / "KajChar.bak"), "old npcs\r\n");
    EXPECT_EQ(dataFilesMessage(result),
              "Datafiles have been created in the Kaj directory and backups\r\n"
              "of KajItems2.scp and KajChar.scp were created.\r\n\r\n"
              "To recover them simply rename them from .bak to .scp");

    folder.write("KajItems.scp", "");
    CatalogueState state;
    RecordedMessages recorded;
    Load_Kaj_Item_Script(state, folder.path(), recorded.sink());
    Load_Kaj_Char_Script(state, folder.path(), recorded.sink());
    EXPECT_TRUE(recorded.messages.empty());
    EXPECT_EQ(state.ListFullItem,
              (Lines{"Armor|Plate|tunic|0x1415|0x1415", "Weapons|Swords|katana|0x13FF|0x13FF"}));
    EXPECT_EQ(state.ListFullChar, npcs);
    EXPECT_EQ(state.tvwItems.outline(),
              (Lines{"Items [Items]", "Custom [Custom]", "  Armor [CustomArmor]", "    Plate",
                     "  Weapons [CustomWeapons]", "    Swords"}));
}

TEST(CatalogueFileBuilder, AFileThatCannotBeWrittenIsNamedAndTheOtherIsStillWritten) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "KajChar.scp/blocked");
    const auto result = writeCatalogueDataFiles(folder.path(), {}, {});
    EXPECT_TRUE(result.items.written);
    EXPECT_FALSE(result.items.backedUp);
    EXPECT_FALSE(result.npcs.written);
    EXPECT_EQ(TempFolder::read(folder / "KajItems2.scp"), "");
    const std::string message = dataFilesMessage(result);
    EXPECT_TRUE(message.starts_with("Datafiles have been created in the Kaj directory.\r\n"))
        << message;
    EXPECT_NE(message.find("KajChar.scp could not be written ("), std::string::npos) << message;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "KajChar.scp/blocked"));
}

}  // namespace
}  // namespace kaj::catalogue
