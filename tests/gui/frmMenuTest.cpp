#include <gtest/gtest.h>

#include <cerrno>

#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTabBar>

#include "InjectedFileFault.h"
#include "MenuHarness.h"
#include "frmMap.h"
#include "frmProgresswindow.h"

namespace kaj::console {
namespace {

using kaj::testing::MenuHarness;
using kaj::testing::TempFolder;

const char* const kIniOfAUsedConsole =
    "POLPATH=/srv/pol/\r\nUOPATH=/home/gm/uo/\r\nLASTSERVER=Zeta\r\nLASTIP=10.0.0.9\r\n"
    "LASTACCOUNT=gm\r\nLASTPASSWORD=secret\r\nLASTPORT=2593\r\nLASTCLIENT=/home/gm/uo/"
    "client.exe\r\n"
    "LOADSCRIPTS=0\r\nSENDENTER=1\r\nAUTOSHOWLAUNCHER=1\r\nSTAYONTOP=1\r\nDRAWSTATICS=1\r\n"
    "USEKAJSCRIPTS=0\r\nWINLEFT=1500\r\nWINTOP=750\r\nMAPLEFT=3000\r\nMAPTOP=4500\r\n"
    "ITEMLEFT=150\r\nITEMTOP=300\r\nNPCLEFT=450\r\nNPCTOP=600\r\n"
    "SERVER=Zeta|10.0.0.9|2593|gm|secret|/home/gm/uo/client.exe\r\n"
    "SERVER=Alpha|10.0.0.1|5003|al|pw|/home/gm/uo/client.exe\r\n"
    "USERCMD0=Where|where\r\nUSERCMD13=Say Hi|Hi{ENTER}\r\n";

TEST(frmMenu, HasItsCaptionSizeElevenTabsAndEveryNamedControl) {
    MenuHarness h;
    auto& menu = h.open();
    EXPECT_EQ(menu.windowTitle(), "Kajmar Console");
    EXPECT_EQ(menu.width(), 9495 / 15);
    EXPECT_EQ(menu.height(), 2340 / 15);
    const QStringList captions = {"Server",   "GM",   "Player", "Npc",      "Item", "Travel",
                                  "Launcher", "Misc", "Spawns", "Commands", "Setup"};
    ASSERT_EQ(menu.SSTab1->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(menu.SSTab1->tabText(i), captions[i]);
    }
    const char* names[] = {"txtUnloadCFGText",
                           "txtUnloadText",
                           "txtServBcastText",
                           "cboGMcmdlevel",
                           "cboGMSetPriv",
                           "cboGMRevokePriv",
                           "cboGMEnablePriv",
                           "ComboNews",
                           "txtSetSkill",
                           "txtSquelch",
                           "txtPlayerSetPropValue",
                           "cboSetSkill",
                           "cboPlayerSetProp",
                           "cboPlayerGetProp",
                           "UpDown1",
                           "UpDown3",
                           "TextKeyword",
                           "ComboDress",
                           "Frame2",
                           "cmdCreateNPC",
                           "cmdEditNPC",
                           "cmdNpcKill",
                           "txtItemAmount",
                           "txtRadius",
                           "cboItemSetProp",
                           "cboItemGetProp",
                           "cboMakeMagic",
                           "UpDown2",
                           "Frame3",
                           "cmdEditItem",
                           "cmdCreateItem",
                           "cmdDestroy",
                           "tvwMap",
                           "ListLocation",
                           "Frame12",
                           "FrameLocations",
                           "Frame15",
                           "txtLocation",
                           "ListShards",
                           "FrameShardButtons",
                           "FrameAccountInfo",
                           "Frame6",
                           "Frame7",
                           "Frame8",
                           "Frame19",
                           "cmdEditPKG",
                           "cmdEditAccounts",
                           "Frame9",
                           "Frame10",
                           "Frame13",
                           "Frame5",
                           "Frame4",
                           "cmdSetupSaveConfig",
                           "cmdSetupMakeDataFiles",
                           "txtConfigUODir",
                           "txtConfigPOLDir",
                           "cmdConfigBrowseUO",
                           "cmdConfigBrowsePOL",
                           "chkConfig2",
                           "chkConfig3",
                           "chkConfig4",
                           "chkConfig5",
                           "chkConfig6",
                           "chkConfig7",
                           "TextClearRegion",
                           "TextRunego",
                           "txtAccountClient",
                           "txtAccountIP",
                           "txtAccountName",
                           "txtAccountPassword",
                           "txtAccountPort",
                           "txtAccountServerName",
                           "txtCommandsCaption",
                           "txtCommandsCommand",
                           "TimerEnterInfo"};
    for (const char* name : names) {
        EXPECT_NE(menu.findChild<QObject*>(name), nullptr) << name;
    }
    for (int slot = 0; slot < 24; ++slot) {
        EXPECT_NE(h.find<QPushButton>(qPrintable(QString("UserCMD%1").arg(slot))), nullptr) << slot;
    }
    const auto* list = menu.findChild<QTreeWidget*>("ListLocation");
    EXPECT_EQ(list->headerItem()->text(0), "Name");
    EXPECT_EQ(list->headerItem()->text(1), "Location");
    EXPECT_EQ(list->headerItem()->text(2), "Index");
}

TEST(frmMenu, AllElevenTabCaptionsFitTheStripAtOnce) {
    MenuHarness h;
    auto& menu = h.open();
    const QTabBar* bar = menu.SSTab1->tabBar();
    EXPECT_FALSE(menu.SSTab1->usesScrollButtons());
    for (int i = 0; i < bar->count(); ++i) {
        const QRect tab = bar->tabRect(i);
        EXPECT_LE(bar->mapTo(&menu, tab.topRight()).x(), menu.width())
            << bar->tabText(i).toStdString();
        EXPECT_GE(tab.width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i))) << i;
    }
}

TEST(frmMenu, WithoutKajIniItSaysSoSelectsSetupAndKeepsTheDefaults) {
    MenuHarness h;
    auto& menu = h.open();
    EXPECT_EQ(h.dialogs.messages,
              std::vector<std::string>{"Kaj.ini not found! Please Setup Preferences and Save."});
    EXPECT_TRUE(menu.state().ProbablyFirstTime);
    EXPECT_EQ(menu.SSTab1->currentIndex(), kTabSetup);
    EXPECT_TRUE(menu.setupPage()->txtConfigPOLDir->text().isEmpty());
    EXPECT_TRUE(menu.setupPage()->txtConfigUODir->text().isEmpty());
    for (QCheckBox* box :
         {menu.setupPage()->chkConfig2, menu.setupPage()->chkConfig3, menu.setupPage()->chkConfig4,
          menu.setupPage()->chkConfig5, menu.setupPage()->chkConfig6}) {
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    }
    EXPECT_TRUE(menu.setupPage()->chkConfig7->isChecked());
    const QStringList lines = menu.progressWindow()->lines();
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines.front(), "Kajmar Console Version 1.7.28 Beta");
    EXPECT_EQ(lines.back(), "Loading Initialization File...");
    EXPECT_EQ(menu.state().catalogue.MasterCategory, "Items");
    EXPECT_EQ(menu.state().catalogue.MasterSubsection, "Misc");
    EXPECT_EQ(menu.state().catalogue.MasterNPCCategory, "NPCs");
    EXPECT_EQ(menu.state().catalogue.MasterNPCSubsection, "Misc");
    EXPECT_TRUE(menu.launcherPage()->FrameShardButtons->isEnabled());
    EXPECT_FALSE(menu.launcherPage()->FrameAccountInfo->isEnabled());
}

TEST(frmMenu, LoadsEverySettingAndActsOnTheLoadedOptions) {
    MenuHarness h;
    h.folder.write("Kaj.ini", kIniOfAUsedConsole);
    auto& menu = h.open();
    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_FALSE(menu.state().ProbablyFirstTime);
    EXPECT_EQ(menu.setupPage()->txtConfigPOLDir->text(), "/srv/pol/");
    EXPECT_EQ(menu.launcherPage()->txtAccountPassword->text(), "secret");
    EXPECT_EQ(menu.SSTab1->currentIndex(), kTabLauncher);  // "Startup with Launcher in Focus"
    EXPECT_TRUE(menu.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(menu.mapWindow()->drawStatics());
    EXPECT_EQ(menu.mapWindow()->pos(), QPoint(200, 300));
    EXPECT_EQ(menu.launcherPage()->ListShards->count(), 2);
    EXPECT_EQ(menu.launcherPage()->ListShards->item(0)->text(), "Alpha");
    EXPECT_TRUE(menu.state().settings.ListServers[0].starts_with("Alpha|"));
    EXPECT_EQ(menu.commandsPage()->UserCMD[0]->text(), "Where");
    EXPECT_EQ(menu.commandsPage()->UserCMD[13]->text(), "Say Hi");
    EXPECT_EQ(menu.commandsPage()->UserCMD[1]->text(), " ");
    EXPECT_EQ(menu.progressWindow()->lines().back(), "Loading Initialization File...");

    menu.setupPage()->chkConfig5->click();
    EXPECT_FALSE(menu.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    menu.setupPage()->chkConfig6->click();
    EXPECT_FALSE(menu.mapWindow()->drawStatics());
}

TEST(frmMenu, LoadScriptsOnStartupAddsTheCatalogueSteps) {
    MenuHarness h;
    h.folder.write("Kaj.ini", "LOADSCRIPTS=1\r\n");
    auto& menu = h.open();
    const QStringList lines = menu.progressWindow()->lines();
    EXPECT_TRUE(lines.contains("Loading Item Script..."));
    EXPECT_TRUE(lines.contains("Loading Character Script..."));
    EXPECT_EQ(lines.back(), "Initialization complete...");
    EXPECT_EQ(menu.SSTab1->currentIndex(), kTabServer);
}

TEST(frmMenu, ClosingWritesKajIniAndTheNextStartRestoresEverything) {
    MenuHarness h;
    h.folder.write("Kaj.ini", kIniOfAUsedConsole);
    auto& menu = h.open();
    menu.state().settings.ListUserCommands[7] = "Bank|.bank";
    menu.setupPage()->txtConfigUODir->setText("/opt/uo/");
    const QPoint mainAt = menu.pos();
    const QPoint mapAt = menu.mapWindow()->pos();
    h.close();

    const std::string saved = TempFolder::read(h.folder / "Kaj.ini");
    EXPECT_NE(saved.find("UOPATH=/opt/uo/\r\n"), std::string::npos);
    EXPECT_NE(saved.find("USERCMD7=Bank|.bank\r\n"), std::string::npos);
    EXPECT_NE(saved.find("SERVER=Alpha|"), std::string::npos);
    EXPECT_LT(saved.find("SERVER=Alpha|"), saved.find("SERVER=Zeta|"));

    auto& again = h.open();
    EXPECT_EQ(again.setupPage()->txtConfigUODir->text(), "/opt/uo/");
    EXPECT_EQ(again.launcherPage()->txtAccountServerName->text(), "Zeta");
    EXPECT_EQ(again.commandsPage()->UserCMD[7]->text(), "Bank");
    EXPECT_EQ(again.pos(), mainAt);
    EXPECT_EQ(again.mapWindow()->pos(), mapAt);
    EXPECT_EQ(again.state().settings.position(WindowPosition::ItemLeft), 150);
    EXPECT_EQ(again.state().settings.position(WindowPosition::NpcTop), 600);
    EXPECT_TRUE(again.setupPage()->chkConfig3->isChecked());
    EXPECT_FALSE(again.setupPage()->chkConfig7->isChecked());
    EXPECT_EQ(again.state().settings.ListServers.size(), 2u);
}

TEST(frmMenu, ClosingWritesKajIniEvenWhenItWasMissing) {
    MenuHarness h;
    h.open();
    h.close();
    const std::string saved = TempFolder::read(h.folder / "Kaj.ini");
    EXPECT_TRUE(saved.starts_with("POLPATH=\r\nUOPATH=\r\n"));
    EXPECT_NE(saved.find("USEKAJSCRIPTS=1\r\n"), std::string::npos);
    EXPECT_NE(saved.find("USERCMD23= | \r\n"), std::string::npos);
}

TEST(frmMenu, AFailedSaveNamesThePathAndKeepsThePreviousFile) {
    MenuHarness h;
    h.folder.write("Kaj.ini", kIniOfAUsedConsole);
    auto& menu = h.open();
    platform::InjectedFileFault full(1, ENOSPC);
    full.onlyOf(platform::FileStep::Open);
    h.find<QPushButton>("cmdSetupSaveConfig")->click();
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_NE(h.dialogs.messages[0].find((h.folder / "Kaj.ini").string()), std::string::npos);
    EXPECT_EQ(TempFolder::read(h.folder / "Kaj.ini"), kIniOfAUsedConsole);
    (void)menu;
}

TEST(frmMenu, BrowseEmptiesTheFieldAndFillsItWithTheChosenFolder) {
    MenuHarness h;
    auto& menu = h.open();
    menu.setupPage()->txtConfigUODir->setText("/old/");
    h.find<QPushButton>("cmdConfigBrowseUO")->click();
    EXPECT_TRUE(menu.setupPage()->txtConfigUODir->text().isEmpty());
    EXPECT_EQ(h.dialogs.folderTitles.back(), "Select your Ultima Online directory");

    h.dialogs.folderAnswers.push_back(std::string("/games/pol"));
    h.find<QPushButton>("cmdConfigBrowsePOL")->click();
    EXPECT_EQ(menu.setupPage()->txtConfigPOLDir->text(), QString("/games/pol") + QDir::separator());
    EXPECT_EQ(h.dialogs.folderTitles.back(), "Select your POL directory");
}

TEST(frmMenu, TheTravelTabShowsTheMapAndEveryOtherTabHidesIt) {
    MenuHarness h;
    h.folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\n");
    auto& menu = h.open();
    EXPECT_FALSE(menu.mapWindow()->isVisible());
    menu.SSTab1->setCurrentIndex(kTabTravel);
    EXPECT_TRUE(menu.mapWindow()->isVisible());
    EXPECT_EQ(menu.mapWindow()->windowTitle(), "Travel Map");
    menu.SSTab1->setCurrentIndex(kTabMisc);
    EXPECT_FALSE(menu.mapWindow()->isVisible());
}

TEST(frmMenu, TheProgressWindowDisappearsAfterTheTimer) {
    MenuHarness h;
    h.folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\n");
    auto& menu = h.open();
    EXPECT_TRUE(menu.progressWindow()->isVisible());
    EXPECT_EQ(menu.TimerEnterInfo->interval(), 2500);
    EXPECT_TRUE(kaj::testing::waitFor([&] { return !menu.progressWindow()->isVisible(); }, 4000));
}

TEST(frmMenu, TextFieldsSelectTheirWholeTextOnFocus) {
    MenuHarness h;
    auto& menu = h.open();
    for (const char* name :
         {"txtConfigPOLDir", "txtServBcastText", "TextRunego", "txtAccountPort"}) {
        auto* edit = h.find<QLineEdit>(name);
        ASSERT_NE(edit, nullptr) << name;
        edit->setText("some text");
        edit->deselect();
        QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(edit, &focus);
        QCoreApplication::processEvents();
        EXPECT_EQ(edit->selectedText(), "some text") << name;
    }
    (void)menu;
}

TEST(frmMenu, SendCommandFollowsTheSendEnterOption) {
    MenuHarness h;
    auto& menu = h.open();
    menu.SendCommand("time");
    menu.setupPage()->chkConfig3->click();
    menu.SendCommand("bcast 100% (x)");
    EXPECT_EQ(h.desktop.typedText(), "\n.time\n.bcast 100% (x)\n");
    menu.state().UserCommand = true;
    menu.SendCommand("Hi");
    EXPECT_FALSE(menu.state().UserCommand);
    EXPECT_TRUE(h.desktop.typedText().ends_with("\nHi\n"));
}

}  // namespace
}  // namespace kaj::console
