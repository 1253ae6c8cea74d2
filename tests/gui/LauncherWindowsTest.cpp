#include <gtest/gtest.h>

#include "LauncherPage.h"
#include "MenuHarness.h"
#include "TravelPage.h"

namespace kaj::launcher {
namespace {

using kaj::testing::MenuHarness;
using kaj::testing::TempFolder;
using Lines = std::vector<std::string>;

struct LauncherWindows : ::testing::Test {
    MenuHarness h;
    console::frmMenu* menu = nullptr;
    LauncherPage* page = nullptr;

    void open(const std::string& servers) {
        h.folder.write("Kaj.ini",
                       "USEKAJSCRIPTS=1\r\nLASTSERVER=Last\r\nLASTPASSWORD=pw\r\n" + servers);
        menu = &h.open();
        page = menu->launcherPage();
    }
    QStringList names() const {
        QStringList texts;
        for (int i = 0; i < page->ListShards->count(); ++i) {
            texts << page->ListShards->item(i)->text();
        }
        return texts;
    }
    QStringList boxes() const {
        return {page->txtAccountServerName->text(), page->txtAccountIP->text(),
                page->txtAccountPort->text(),       page->txtAccountName->text(),
                page->txtAccountPassword->text(),   page->txtAccountClient->text()};
    }
    void select(int row) { page->ListShards->setCurrentRow(row); }
    bool browsing() const {
        return page->FrameShardButtons->isEnabled() && !page->FrameAccountInfo->isEnabled() &&
               page->ListShards->isEnabled();
    }
    bool entering() const {
        return !page->FrameShardButtons->isEnabled() && page->FrameAccountInfo->isEnabled() &&
               !page->ListShards->isEnabled();
    }
};

const char* const kTwoShards =
    "SERVER=Zeta|10.0.0.9|2593|gm|secret|/uo/client.exe\r\n"
    "SERVER=Alpha |10.0.0.1|5003|al|pw|/uo/client.exe\r\n";

TEST_F(LauncherWindows, ShardsAreListedInRecordOrderAndASelectionFillsTheBoxes) {
    open(kTwoShards);
    EXPECT_TRUE(browsing());
    EXPECT_EQ(names(), (QStringList{"Alpha", "Zeta"}));
    EXPECT_EQ(page->ListShards->currentRow(), -1);
    EXPECT_EQ(page->txtAccountServerName->text(), "Last");  // the last-used shard, unselected
    select(0);
    EXPECT_EQ(boxes(), (QStringList{"Alpha ", "10.0.0.1", "5003", "al", "pw", "/uo/client.exe"}));
    EXPECT_EQ(page->txtAccountPassword->echoMode(), QLineEdit::Normal);
    h.close();
    const std::string saved = TempFolder::read(h.folder / "Kaj.ini");
    EXPECT_LT(saved.find("SERVER=Alpha |"), saved.find("SERVER=Zeta|"));
    EXPECT_NE(saved.find("LASTSERVER=Alpha \r\n"), std::string::npos);
}

TEST_F(LauncherWindows, OddRecordsShowAsThePartsSay) {
    open("SERVER=|1.1.1.1|1|a|b|c\r\nSERVER=Five|1.1.1.1|1|a|b\r\nSERVER=Pipe|1|2|a|p|w|c\r\n");
    EXPECT_EQ(names(), (QStringList{"Five", "Pipe", "1"}));
    select(0);
    EXPECT_EQ(h.dialogs.messages, Lines{"Invalid shard in list. Please delete."});
    EXPECT_EQ(boxes(), (QStringList{"Five", "1.1.1.1", "1", "a", "b", ""}));
    select(1);
    EXPECT_EQ(page->txtAccountPassword->text(), "p");
    EXPECT_EQ(page->txtAccountClient->text(), "w");
}

TEST_F(LauncherWindows, NewThenDoneAddsASortedShardAndSelectsIt) {
    open(kTwoShards);
    page->cmdLauncherNew->click();
    EXPECT_TRUE(entering());
    EXPECT_EQ(boxes(), (QStringList{"", "", "", "", "", ""}));
    EXPECT_FALSE(h.state().EditShard);
    page->txtAccountServerName->setText("Mid");
    page->txtAccountPassword->setText("x");
    page->cmdLauncherDone->click();
    EXPECT_TRUE(browsing());
    EXPECT_EQ(names(), (QStringList{"Alpha", "Mid", "Zeta"}));
    EXPECT_EQ(page->ListShards->currentRow(), 1);
    EXPECT_EQ(menu->state().settings.ListServers[1], "Mid||||x|");
    EXPECT_TRUE(h.dialogs.messages.empty());
}

TEST_F(LauncherWindows, EditKeepsTheIndexAndTheNameAsTyped) {
    open(kTwoShards);
    page->cmdEditShard->click();
    EXPECT_EQ(h.dialogs.messages, Lines{"Please Select a shard to edit first"});
    EXPECT_TRUE(browsing());
    select(0);
    page->cmdEditShard->click();
    EXPECT_TRUE(entering());
    EXPECT_TRUE(h.state().EditShard);
    page->txtAccountServerName->setText("Zulu ");
    page->cmdLauncherDone->click();
    EXPECT_FALSE(h.state().EditShard);
    EXPECT_EQ(names(), (QStringList{"Zulu ", "Zeta"}));
    EXPECT_EQ(menu->state().settings.ListServers[0], "Zulu |10.0.0.1|5003|al|pw|/uo/client.exe");
}

TEST_F(LauncherWindows, DoneRefusesAFieldTheRecordCannotHoldAndKeepsTheBoxes) {
    open(kTwoShards);
    page->cmdLauncherNew->click();
    page->txtAccountServerName->setText("New");
    page->txtAccountPassword->setText("a|b");
    page->cmdLauncherDone->click();
    EXPECT_EQ(h.dialogs.messages, Lines{"The Password cannot contain |, or a line break."});
    EXPECT_TRUE(entering());
    EXPECT_EQ(page->txtAccountPassword->text(), "a|b");
    EXPECT_EQ(names().size(), 2);
}

TEST_F(LauncherWindows, CancelPutsTheSelectedShardBackOrLeavesEmptyBoxesWithoutOne) {
    open(kTwoShards);
    page->cmdLauncherNew->click();
    page->cmdLauncherCancel->click();
    EXPECT_TRUE(browsing());
    EXPECT_EQ(boxes(), (QStringList{"", "", "", "", "", ""}));
    EXPECT_TRUE(h.dialogs.messages.empty());
    select(1);
    page->cmdEditShard->click();
    page->txtAccountServerName->setText("Changed");
    page->cmdLauncherCancel->click();
    EXPECT_FALSE(h.state().EditShard);
    EXPECT_EQ(page->txtAccountServerName->text(), "Zeta");
    EXPECT_EQ(names(), (QStringList{"Alpha", "Zeta"}));
}

TEST_F(LauncherWindows, DeleteAsksWithTheNameAndLeavesNothingSelected) {
    open(kTwoShards);
    page->cmdLauncherDelete->click();
    EXPECT_EQ(h.dialogs.messages, Lines{"Please select a shard to delete"});
    select(1);
    page->cmdLauncherDelete->click();  // No
    EXPECT_EQ(h.dialogs.questions.back(), "Are you sure you want to delete Zeta?");
    EXPECT_EQ(names().size(), 2);
    h.dialogs.yesNoAnswers.push_back(true);
    page->cmdLauncherDelete->click();
    EXPECT_EQ(names(), QStringList{"Alpha"});
    EXPECT_EQ(page->ListShards->currentRow(), -1);
    EXPECT_EQ(boxes(), (QStringList{"", "", "", "", "", ""}));
    EXPECT_EQ(menu->state().settings.ListServers.size(), 1u);
}

TEST_F(LauncherWindows, BrowsePutsTheChosenFileIntoTheClientBox) {
    open(kTwoShards);
    page->cmdLauncherNew->click();
    page->txtAccountClient->setText("/old/client");
    page->cmdLauncherBrowse->click();
    EXPECT_EQ(h.dialogs.folderTitles.back(), "Select client you wish to use...");
    EXPECT_EQ(h.dialogs.fileFilters.back(), "All Files|*.*");
    EXPECT_EQ(page->txtAccountClient->text(), "/old/client");
    h.dialogs.fileAnswers.push_back(std::string("/games/uo/client.exe"));
    page->cmdLauncherBrowse->click();
    EXPECT_EQ(page->txtAccountClient->text(), "/games/uo/client.exe");
}

TEST_F(LauncherWindows, LaunchRewritesTheClientFilesAndStartsItThroughTheShell) {
    TempFolder uo;
    uo.write("login.cfg", "");
    uo.write("uo.cfg", "Music=on\r\n");
    const auto client = uo.write("client.exe", "MZ");
    open("UOPATH=" + uo.path().string() + "/\r\nSERVER=Zeta|10.0.0.9|2593|gm|abc|" +
         client.string() + "\r\n");
    page->cmdLauncherLaunch->click();  // the boxes hold the last-used shard
    EXPECT_EQ(h.dialogs.messages,
              Lines{"Warning could not launch client.  Check your path and filename."});
    select(0);
    page->cmdLauncherLaunch->click();
    ASSERT_EQ(h.shell.opened.size(), 1u);
    EXPECT_EQ(h.shell.opened[0].first, client.string());
    EXPECT_EQ(TempFolder::read(uo / "login.cfg"),
              "; login.cfg file for Zeta\r\nLoginServer=10.0.0.9,2593\r\n");
    EXPECT_TRUE(TempFolder::read(uo / "uo.cfg").starts_with("Music=on\r\n; UO.CFG created by Kaj"));
    EXPECT_EQ(h.dialogs.messages.size(), 1u);
}

TEST_F(LauncherWindows, AnOpenLocationEditDoesNotTurnANewShardIntoAnEdit) {
    open(kTwoShards);
    h.folder.write("KajMap.scp", "C=A\r\nS=B\r\nL=C\r\nP=1,2,3\r\n");
    auto* travel = menu->travelPage();
    travel->LoadMapScript();
    auto* node = travel->tvwMap->findItems("B", Qt::MatchExactly | Qt::MatchRecursive).front();
    emit travel->tvwMap->itemClicked(node, 0);
    travel->ListLocation->setCurrentItem(travel->ListLocation->topLevelItem(0));
    travel->cmdEditMap->click();
    ASSERT_TRUE(menu->state().travel.EditLocation);
    select(0);
    page->cmdLauncherNew->click();
    page->txtAccountServerName->setText("Beta");
    page->cmdLauncherDone->click();
    EXPECT_EQ(names(), (QStringList{"Alpha", "Beta", "Zeta"}));
    EXPECT_TRUE(menu->state().travel.EditLocation);
}

}  // namespace
}  // namespace kaj::launcher
