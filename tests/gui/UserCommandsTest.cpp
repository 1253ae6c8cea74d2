#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "FrmMessage.h"
#include "MenuHarness.h"

namespace kaj::console {
namespace {

using kaj::testing::MenuHarness;
using kaj::testing::TempFolder;

struct UserCommandsFixture : ::testing::Test {
    MenuHarness h;
    frmMenu* menu = nullptr;

    void SetUp() override {
        h.folder.write("Kaj.ini",
                       "USEKAJSCRIPTS=1\r\nUSERCMD2=Bank|.bank\r\nUSERCMD3=Odd|say {BAD}\r\n"
                       "USERCMD4=Lonely\r\n");
        menu = &h.open();
        menu->SSTab1->setCurrentIndex(kTabCommands);
        QCoreApplication::processEvents();
    }
    QPushButton* slot(int i) { return menu->commandsPage()->UserCMD[static_cast<std::size_t>(i)]; }
    QString prompt() { return menu->messageWindow()->lblMessageLabel->text(); }
    bool promptShown() { return menu->messageWindow()->isVisible(); }
};

TEST_F(UserCommandsFixture, ButtonsStandInSixColumnsOfFour) {
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(slot(i)->objectName(), QString("UserCMD%1").arg(i));
        if (i % 4 != 0) {
            EXPECT_EQ(slot(i)->x(), slot(i - 1)->x()) << i;
            EXPECT_GT(slot(i)->y(), slot(i - 1)->y()) << i;
        } else if (i > 0) {
            EXPECT_GT(slot(i)->x(), slot(i - 4)->x()) << i;
            EXPECT_EQ(slot(i)->y(), slot(i - 4)->y()) << i;
        }
    }
    EXPECT_FALSE(menu->commandsPage()->cmdCommandsDone->isVisibleTo(menu));
}

TEST_F(UserCommandsFixture, AddStoresTheFieldsInTheClickedSlotWhichThenTypesThemWithoutADot) {
    menu->commandsPage()->txtCommandsCaption->setText("Hello");
    menu->commandsPage()->txtCommandsCommand->setText(".where");
    menu->commandsPage()->cmdCommandsAdd->click();
    EXPECT_TRUE(promptShown());
    EXPECT_EQ(prompt(), "Please Select a Location for this Command");
    EXPECT_EQ(menu->messageWindow()->height(), 60);
    slot(5)->click();
    EXPECT_EQ(menu->state().settings.ListUserCommands[5], "Hello|.where");
    EXPECT_EQ(slot(5)->text(), "Hello");
    EXPECT_FALSE(promptShown());
    EXPECT_TRUE(menu->commandsPage()->txtCommandsCaption->text().isEmpty());
    EXPECT_TRUE(menu->commandsPage()->txtCommandsCommand->text().isEmpty());
    EXPECT_TRUE(h.desktop.typed.empty());
    EXPECT_FALSE(menu->state().userCommands.UserAdd);

    slot(5)->click();
    EXPECT_EQ(h.desktop.typedText(), "\n.where");
    EXPECT_FALSE(menu->state().UserCommand);
    menu->findChild<QPushButton*>("cmdServTime")->click();
    EXPECT_EQ(h.desktop.typedText(), "\n.where\n.time");
}

TEST_F(UserCommandsFixture, ClearEmptiesTheSlotAndItsCaption) {
    menu->commandsPage()->cmdCommandsRemove->click();
    EXPECT_EQ(prompt(), "Please Select a Command to Remove");
    slot(2)->click();
    EXPECT_EQ(menu->state().settings.ListUserCommands[2], " | ");
    EXPECT_EQ(slot(2)->text(), "");
    EXPECT_FALSE(promptShown());
    EXPECT_TRUE(h.desktop.typed.empty());
}

TEST_F(UserCommandsFixture, ChangeLoadsTheSlotAndDoneRewritesIt) {
    menu->commandsPage()->cmdCommandsChange->click();
    EXPECT_EQ(prompt(), "Please Select a Command to Edit");
    EXPECT_TRUE(menu->commandsPage()->cmdCommandsDone->isVisibleTo(menu));
    EXPECT_FALSE(menu->commandsPage()->cmdCommandsAdd->isVisibleTo(menu));
    EXPECT_FALSE(menu->commandsPage()->cmdCommandsChange->isVisibleTo(menu));
    EXPECT_FALSE(menu->commandsPage()->cmdCommandsRemove->isVisibleTo(menu));
    slot(2)->click();
    EXPECT_EQ(menu->commandsPage()->txtCommandsCaption->text(), "Bank");
    EXPECT_EQ(menu->commandsPage()->txtCommandsCommand->text(), ".bank");
    EXPECT_EQ(prompt(), "Press done when finished editing command");
    EXPECT_TRUE(promptShown());
    EXPECT_TRUE(h.desktop.typed.empty());

    menu->commandsPage()->txtCommandsCommand->setText(".bank open");
    menu->commandsPage()->cmdCommandsDone->click();
    EXPECT_EQ(menu->state().settings.ListUserCommands[2], "Bank|.bank open");
    EXPECT_EQ(slot(2)->text(), "Bank");
    EXPECT_TRUE(menu->commandsPage()->cmdCommandsAdd->isVisibleTo(menu));
    EXPECT_TRUE(menu->commandsPage()->cmdCommandsChange->isVisibleTo(menu));
    EXPECT_TRUE(menu->commandsPage()->cmdCommandsRemove->isVisibleTo(menu));
    EXPECT_FALSE(menu->commandsPage()->cmdCommandsDone->isVisibleTo(menu));
    EXPECT_FALSE(promptShown());
}

TEST_F(UserCommandsFixture, AddWinsOverChangeAndChangeOverClear) {
    menu->commandsPage()->txtCommandsCaption->setText("New");
    menu->commandsPage()->txtCommandsCommand->setText("new");
    menu->commandsPage()->cmdCommandsRemove->click();
    menu->commandsPage()->cmdCommandsChange->click();
    menu->commandsPage()->cmdCommandsAdd->click();
    slot(2)->click();
    EXPECT_EQ(menu->state().settings.ListUserCommands[2], "New|new");
    EXPECT_FALSE(menu->state().userCommands.UserAdd || menu->state().userCommands.UserChange ||
                 menu->state().userCommands.UserClear);

    menu->commandsPage()->cmdCommandsRemove->click();
    menu->commandsPage()->cmdCommandsChange->click();
    slot(2)->click();
    EXPECT_EQ(menu->state().settings.ListUserCommands[2], "New|new");  // changing, not cleared
    EXPECT_EQ(menu->commandsPage()->txtCommandsCaption->text(), "New");
}

TEST_F(UserCommandsFixture, EmptyAndBarlessSlotsTypeAnEmptyCommandAndBadNotationIsNamed) {
    slot(9)->click();
    EXPECT_EQ(h.desktop.typedText(), "\n");  // " | " is an empty slot: Enter alone
    slot(4)->click();
    EXPECT_EQ(h.desktop.typedText(), "\n\n");
    slot(3)->click();
    EXPECT_EQ(h.dialogs.messages,
              std::vector<std::string>{
                  "The user command cannot be typed: unknown key name {BAD} at character 5."});
    EXPECT_FALSE(menu->state().UserCommand);
}

TEST_F(UserCommandsFixture, EnterInTheCaptionMovesToTheCommandField) {
    menu->SSTab1->setCurrentIndex(kTabCommands);
    menu->activateWindow();
    menu->commandsPage()->txtCommandsCaption->setFocus();
    QCoreApplication::processEvents();
    emit menu->commandsPage()->txtCommandsCaption->returnPressed();
    QCoreApplication::processEvents();
    EXPECT_TRUE(menu->commandsPage()->txtCommandsCommand->hasFocus());
}

TEST_F(UserCommandsFixture, DefinitionsSurviveASaveAndARestart) {
    menu->commandsPage()->txtCommandsCaption->setText("Hello");
    menu->commandsPage()->txtCommandsCommand->setText("Hi all{ENTER}");
    menu->commandsPage()->cmdCommandsAdd->click();
    slot(23)->click();
    h.close();
    const std::string saved = TempFolder::read(h.folder / "Kaj.ini");
    EXPECT_NE(saved.find("USERCMD23=Hello|Hi all{ENTER}\r\n"), std::string::npos);
    auto& again = h.open();
    EXPECT_EQ(again.commandsPage()->UserCMD[23]->text(), "Hello");
    again.commandsPage()->UserCMD[23]->click();
    EXPECT_EQ(h.desktop.typedText(), "\nHi all\n");
}

}  // namespace
}  // namespace kaj::console
