#include "ConsoleHost.h"

#include <gtest/gtest.h>

#include "RecordingDesktopInput.h"
#include "RecordingDialogs.h"
#include "Registry.h"
#include "Shell.h"
#include "TempFolder.h"

namespace kaj::console {
namespace {

using kaj::testing::TempFolder;

class NoShell : public platform::Shell {
  public:
    bool open(const std::string&, const std::filesystem::path&) override { return false; }
};

struct HostFixture : ::testing::Test {
    TempFolder folder;
    platform::RecordingDialogs dialogs;
    platform::RecordingDesktopInput desktop;
    NoShell shell;
    platform::WineRegistry registry{folder / "wine"};
    ConsoleServices services{dialogs, desktop, shell, registry, folder.path(), folder / "controls"};
    ProgramState state;
    int eventRuns = 0;
    ConsoleHost host{state, services, [this] { ++eventRuns; }};

    HostFixture() { desktop.windowTitles = {"Ultima Online"}; }
};

TEST_F(HostFixture, CommandsFollowTheSendEnterOptionAndTheOneShotUserCommandFlag) {
    host.SendCommand("time");
    state.settings.optionState(Option::SendEnter) = 1;
    state.UserCommand = true;
    host.SendCommand("Hi{ENTER}");
    EXPECT_FALSE(state.UserCommand);
    state.settings.optionState(Option::SendEnter) = 2;  // a grey box is not ticked
    host.SendCommand("where");
    EXPECT_EQ(desktop.typedText(), "\n.time\nHi\n\n\n.where");
    EXPECT_EQ(eventRuns, 3);
}

TEST_F(HostFixture, CataloguesLoadFromTheSourceTheSettingsName) {
    folder.write("KajItems.scp",
                 "# # # Category = Tools\r\n- - - Section = Smith\r\nhammer|0x13E3|0x13E3\r\n");
    folder.write("pol/config/itemdesc.cfg", "Item 0x0F51\r\n{\r\n    Name dagger\r\n}\r\n");
    state.settings.optionState(Option::UseKajScripts) = 1;
    host.loadItems();
    ASSERT_EQ(state.catalogue.ListFullItem.size(), 1u);
    EXPECT_TRUE(state.catalogue.ListFullItem[0].starts_with("Tools|Smith|hammer|"));

    state.settings.optionState(Option::UseKajScripts) = 0;
    state.settings.polPath = (folder / "pol").string() + "/";
    EXPECT_EQ(host.catalogueSource().serverFolder, folder / "pol");
    host.loadItems();
    ASSERT_EQ(state.catalogue.ListFullItem.size(), 1u);
    EXPECT_NE(state.catalogue.ListFullItem[0].find("dagger"), std::string::npos);
}

TEST(ProgramState, LoadingResetsFlagsModesDefaultsAndSlotsButKeepsTheRest) {
    ProgramState state;
    EXPECT_EQ(state.ListSpellNames.size(), 64u);
    state.Shutdown = state.UserCommand = true;
    state.userCommands.add();
    state.catalogue.MasterCategory = "Old";
    state.settings.ListUserCommands[3] = "A|b";
    state.settings.polPath = "/srv/pol/";
    state.resetForLoad();
    EXPECT_FALSE(state.Shutdown || state.UserCommand || state.userCommands.UserAdd);
    EXPECT_EQ(state.catalogue.MasterCategory, "Items");
    EXPECT_EQ(state.settings.ListUserCommands[3], " | ");
    EXPECT_EQ(state.settings.polPath, "/srv/pol/");
}

}  // namespace
}  // namespace kaj::console
