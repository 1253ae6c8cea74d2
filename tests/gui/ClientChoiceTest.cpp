#include <gtest/gtest.h>

#include "ClientChooser.h"
#include "MenuHarness.h"

namespace kaj::console {
namespace {

using kaj::testing::MenuHarness;
using kaj::testing::TempFolder;

TEST(ClientChoice, SetupChoosesTheClientKindAndKajIniKeepsIt) {
    MenuHarness h;
    h.folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\n");
    auto& menu = h.open();
    auto* setup = menu.setupPage();
    EXPECT_EQ(setup->cboClientKind->currentText(), "Classic client");
    EXPECT_FALSE(setup->txtClientTitle->isEnabled());
    setup->cboClientKind->setCurrentIndex(2);
    EXPECT_TRUE(setup->txtClientTitle->isEnabled());
    setup->txtClientTitle->setText("My Shard");
    h.desktop.windowTitles = {"My Shard - Bob", "Ultima Online"};
    menu.SendCommand("where");
    EXPECT_EQ(h.desktop.activeWindow, "My Shard - Bob");
    h.close();
    const std::string saved = TempFolder::read(h.folder / "Kaj.ini");
    EXPECT_NE(saved.find("CLIENTKIND=custom\r\nCLIENTTITLE=My Shard\r\n"), std::string::npos);
    auto& again = h.open();
    EXPECT_EQ(again.setupPage()->cboClientKind->currentIndex(), 2);
    EXPECT_EQ(again.setupPage()->txtClientTitle->text(), "My Shard");
}

TEST(ClientChoice, TheChooserShowsWithSeveralClientsAndItsChoiceReceivesTheCommands) {
    MenuHarness h;
    h.folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\n");
    auto& menu = h.open();
    auto* chooser = menu.clientChooser();
    EXPECT_FALSE(chooser->isVisible());
    const int height = menu.height();
    h.desktop.windowTitles = {"Ultima Online - Staff", "Ultima Online - Player"};
    menu.refreshClientChooser();
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_GT(menu.height(), height);
    ASSERT_EQ(chooser->cboClient->count(), 2);
    EXPECT_EQ(chooser->cboClient->currentText(), "Ultima Online - Staff");
    chooser->cboClient->setCurrentIndex(1);
    emit chooser->cboClient->activated(1);
    menu.SendCommand("where");
    EXPECT_EQ(h.desktop.activeWindow, "Ultima Online - Player");
    EXPECT_EQ(menu.state().chosenClientWindow, 2u);

    h.desktop.windowTitles = {"Ultima Online - Staff"};
    menu.refreshClientChooser();
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(menu.height(), height);
    menu.SendCommand("where");  // the chosen window has gone: the one left receives it
    EXPECT_EQ(h.desktop.activeWindow, "Ultima Online - Staff");
}

}  // namespace
}  // namespace kaj::console
