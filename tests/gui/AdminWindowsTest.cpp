#include <gtest/gtest.h>

#include <QKeyEvent>

#include "FrmPackageManager.h"
#include "MenuHarness.h"
#include "frmEditAccounts.h"

namespace kaj::admin {
namespace {

using kaj::testing::MenuHarness;
using kaj::testing::TempFolder;
using Lines = std::vector<std::string>;

const char* const kNoServer =
    "This feature is currently only available if you are running\r\n"
    "Kaj locally to the server.  If you are running it locally then\r\n"
    "check to make sure you have set the pol directory in setup.";

const char* const kAccounts =
    "Account\n{\n\tName\tAdmin\n\tPassword\tsecret\n\tDefaultPrivs\tinvul seeghosts\n}\n"
    "Account\n{\n\tName\tbob\n\tPasswordHash\tabc\n\tEnabled\t0\n\tBanned\t1\n"
    "\tCProp\tcolor i5\n\tUOExpansion\tTOL\n}\n"
    "Account\n{\n\tName\tadmiral\n\tPassword\tx\n}\n";

struct AdminWindows : ::testing::Test {
    MenuHarness h;
    TempFolder pol;
    console::frmMenu* menu = nullptr;

    void open(bool withServer = true) {
        pol.write("data/accounts.txt", kAccounts);
        pol.write("config/cmds.cfg", "CmdLevel player\n{\n}\nCmdLevel gm\n{\n}\n");
        pol.write("pkg/tools/pkg.cfg", "#Requires none\nEnabled 1\nName tools\nReplaces old\n");
        pol.write("pkg/zoo/pkg.cfg", "Name zoo\n");
        h.folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\n" +
                                      (withServer ? "POLPATH=" + pol.path().string() + "/\r\n"
                                                  : std::string()));
        menu = &h.open();
    }
    frmEditAccounts* accounts() {
        h.find<QPushButton>("cmdEditAccounts")->click();
        return menu->accountsWindow();
    }
    FrmPackageManager* packages() {
        h.find<QPushButton>("cmdEditPKG")->click();
        return menu->packagesWindow();
    }
};

bool browsing(frmEditAccounts* w) {
    return !w->Frame1->isEnabled() && w->cmdNewAccount->isEnabled() &&
           w->cmdEditAccount->isEnabled() && w->cmdLoadAccounts->isEnabled() &&
           w->cmdSaveAccounts->isEnabled();
}

TEST_F(AdminWindows, WithoutAServerFolderBothButtonsSaySo) {
    open(false);
    h.find<QPushButton>("cmdEditAccounts")->click();
    h.find<QPushButton>("cmdEditPKG")->click();
    EXPECT_EQ(h.dialogs.messages, (Lines{kNoServer, kNoServer}));
    EXPECT_EQ(menu->accountsWindow(), nullptr);
}

TEST_F(AdminWindows, AccountsLoadShowAndEditAsTheServerReadsThem) {
    open();
    auto* w = accounts();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Account Manager");
    EXPECT_TRUE(browsing(w));
    w->cmdEditAccount->click();
    EXPECT_EQ(h.dialogs.messages.back(),
              "You must load the accounts first, then select an account to Edit");
    w->cmdLoadAccounts->click();
    ASSERT_EQ(w->listAccountNames->count(), 3);
    w->cmdEditAccount->click();
    EXPECT_EQ(h.dialogs.messages.back(), "You must first select an account to Edit");
    w->listAccountNames->setCurrentRow(1);
    EXPECT_EQ(w->TextAccountName->text(), "bob");
    EXPECT_TRUE(w->TextPassword->text().isEmpty());
    EXPECT_TRUE(w->OptionEnabledNo->isChecked());
    EXPECT_TRUE(w->OptionBannedYes->isChecked());
    EXPECT_EQ(w->TextCProps->toPlainText(), "CProp\tcolor i5");
    EXPECT_EQ(w->TextMisc->toPlainText(), "UOExpansion\tTOL");
    EXPECT_EQ(w->ComboCmdLevel->count(), 2);

    w->cmdEditAccount->click();
    EXPECT_TRUE(w->Frame1->isEnabled());
    EXPECT_FALSE(w->cmdNewAccount->isEnabled());
    EXPECT_TRUE(w->cmdSaveAccounts->isEnabled());
    w->TextAccountName->setText("robert");
    w->cmdOk->click();
    EXPECT_EQ(h.dialogs.messages.back(),
              "Type a new password: the stored one only works with the old name.");
    EXPECT_TRUE(w->Frame1->isEnabled());
    w->TextPassword->setText("pw");
    w->OptionEnabledYes->click();
    w->ComboCmdLevel->setCurrentText("gm");
    w->ListPrivs->item(2)->setCheckState(Qt::Checked);
    w->cmdOk->click();
    EXPECT_TRUE(browsing(w));
    EXPECT_EQ(w->listAccountNames->item(1)->text(), "bob");  // until the next load

    h.dialogs.yesNoAnswers.push_back(true);
    w->cmdSaveAccounts->click();
    EXPECT_EQ(h.dialogs.questions.back(),
              "Are you sure you want to save the account file?\r\nA backup will be made under "
              "the name of\r\naccounts.old ");
    EXPECT_EQ(TempFolder::read(pol / "data/accounts.old"), kAccounts);
    const std::string saved = TempFolder::read(pol / "data/accounts.txt");
    EXPECT_NE(saved.find("\tName robert\r\n\tPassword pw\r\n\tPasswordHash abc\r\n\tEnabled 1\r\n"
                         "\tBanned 1\r\n\tDefaultCmdLevel gm\r\n\tDefaultPrivs invul \r\n"),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find("\tDefaultPrivs invul seeghosts\r\n"), std::string::npos);
}

TEST_F(AdminWindows, NewAcctPromptsAndCancelTakesThePendingEntryAway) {
    open();
    auto* w = accounts();
    w->cmdNewAccount->click();
    EXPECT_EQ(h.dialogs.messages.back(),
              "You must load the accounts first, then select new account");
    w->cmdLoadAccounts->click();
    h.dialogs.inputAnswers.push_back(std::string("  "));
    w->cmdNewAccount->click();
    EXPECT_EQ(h.dialogs.questions.back(), "Enter Account Name to add to the list");
    EXPECT_EQ(w->listAccountNames->count(), 3);
    h.dialogs.inputAnswers.push_back(std::string("carol"));
    w->cmdNewAccount->click();
    ASSERT_EQ(w->listAccountNames->count(), 4);
    EXPECT_EQ(w->listAccountNames->currentRow(), 3);
    EXPECT_EQ(w->TextAccountName->text(), "carol");
    EXPECT_TRUE(w->OptionEnabledYes->isChecked());
    EXPECT_TRUE(w->OptionBannedNo->isChecked());
    EXPECT_TRUE(w->Frame1->isEnabled());
    w->cmdCancel->click();
    EXPECT_EQ(w->listAccountNames->count(), 3);
    EXPECT_TRUE(browsing(w));

    h.dialogs.inputAnswers.push_back(std::string("ADMIRAL"));
    w->cmdNewAccount->click();
    EXPECT_EQ(h.dialogs.messages.back(), "There is already an account named ADMIRAL.");
    h.dialogs.inputAnswers.push_back(std::string("dave"));
    w->cmdNewAccount->click();
    w->cmdOk->click();
    EXPECT_EQ(h.dialogs.messages.back(), "An account needs a password.");
    w->TextPassword->setText("pw");
    w->cmdOk->click();
    w->cmdCancel->click();
    EXPECT_EQ(w->listAccountNames->count(), 4);
}

TEST_F(AdminWindows, DeleteAsksAndSearchFindsEachMatchOnce) {
    open();
    auto* w = accounts();
    w->cmdDeleteAccount->click();
    EXPECT_EQ(h.dialogs.messages.back(),
              "You must load the accounts first, then select an account to delete");
    w->cmdSearch->click();
    EXPECT_EQ(h.dialogs.messages.back(), "You must load the accounts first");
    w->cmdLoadAccounts->click();
    w->cmdSearchAgain->click();
    EXPECT_EQ(h.dialogs.messages.back(), "You have not already searched for something");
    w->cmdSearch->click();
    EXPECT_EQ(h.dialogs.messages.back(), "Please type something in the search box");
    w->TextSearch->setText("adm");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(w->TextSearch, &press);
    QCoreApplication::sendEvent(w->TextSearch, &release);
    EXPECT_EQ(w->listAccountNames->currentRow(), 0);
    EXPECT_EQ(w->TextAccountName->text(), "Admin");
    w->cmdSearchAgain->click();
    EXPECT_EQ(w->listAccountNames->currentRow(), 2);
    w->cmdSearchAgain->click();
    EXPECT_EQ(h.dialogs.messages.back(),
              "Search complete, no items match.\r\nPlease modify Search pattern.");
    EXPECT_EQ(w->listAccountNames->currentRow(), 2);

    w->cmdDeleteAccount->click();  // No
    EXPECT_EQ(h.dialogs.questions.back(),
              "Are you sure you want to delete\r\nthe account named admiral");
    EXPECT_EQ(w->listAccountNames->count(), 3);
    h.dialogs.yesNoAnswers.push_back(true);
    w->cmdDeleteAccount->click();
    EXPECT_EQ(w->listAccountNames->count(), 2);
}

TEST_F(AdminWindows, PackagesShowEditAndSaveOnePkgCfg) {
    open();
    auto* w = packages();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Package Manager");
    EXPECT_FALSE(w->Frame2->isEnabled());
    w->cmdEdit->click();
    EXPECT_EQ(h.dialogs.messages.back(),
              "You must load the packages first, then select a package to Edit");
    w->cmdLoadPackages->click();
    ASSERT_EQ(w->listPackageName->count(), 2);
    w->cmdEdit->click();
    EXPECT_EQ(h.dialogs.messages.back(), "You must first select an package to Edit");
    w->listPackageName->setCurrentRow(0);
    EXPECT_EQ(w->TextName->text(), "tools");
    EXPECT_TRUE(w->TextRequires->text().isEmpty());
    EXPECT_EQ(w->TextReplaces->text(), "old");
    EXPECT_TRUE(w->OptionEnabled->isChecked());
    w->cmdEdit->click();
    EXPECT_TRUE(w->Frame2->isEnabled());
    EXPECT_FALSE(w->listPackageName->isEnabled());
    w->TextReplaces->setText("older");
    w->cmdCancel->click();
    EXPECT_EQ(w->TextReplaces->text(), "old");
    EXPECT_FALSE(w->Frame2->isEnabled());

    w->cmdEdit->click();
    w->OptionDisabled->click();
    h.dialogs.yesNoAnswers.push_back(true);
    w->cmdOk->click();
    EXPECT_EQ(h.dialogs.questions.back(),
              "Are you sure you want to save the pkg.cfg?\r\nA backup will be made under the "
              "name of\r\npkg.old ");
    EXPECT_EQ(TempFolder::read(pol / "pkg/tools/pkg.cfg"),
              "Enabled 0\r\nName tools\r\nReplaces old\r\n");
    EXPECT_TRUE(std::filesystem::exists(pol / "pkg/tools/pkg.old"));

    w->listPackageName->setCurrentRow(1);
    EXPECT_FALSE(w->OptionEnabled->isChecked() || w->OptionDisabled->isChecked());
    w->cmdEdit->click();
    w->cmdOk->click();
    EXPECT_EQ(h.dialogs.messages.back(), "Choose Yes or No for Enabled before saving.");
    EXPECT_TRUE(w->Frame2->isEnabled());
    EXPECT_EQ(TempFolder::read(pol / "pkg/zoo/pkg.cfg"), "Name zoo\n");
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(menu->packagesWindow(), nullptr);
}

}  // namespace
}  // namespace kaj::admin
