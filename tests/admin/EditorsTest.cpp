#include <gtest/gtest.h>

#include <cerrno>

#include "AccountEditor.h"
#include "FileSystemTraits.h"
#include "InjectedFileFault.h"
#include "PackageManager.h"
#include "ServerReader.h"
#include "TempFolder.h"

namespace kaj::admin {
namespace {

using kaj::testing::TempFolder;
using Lines = std::vector<std::string>;

const char* const kAccounts =
    "Account\n{\n\tName\tAdmin\n\tPassword\tsecret\n\tEnabled\t1\n\tBanned\t0\n"
    "\tDefaultCmdLevel\tadmin\n}\n\n"
    "Account\n{\n\tName\thashonly\n\tPasswordHash\tabc123\n}\n"
    "Account\n{\n\tName\tadmiral\n\tPassword\tx\n\tDefaultPrivs\tinvul seeghosts\n}\n";

struct AccountEditorFixture : ::testing::Test {
    TempFolder pol;
    std::unique_ptr<AccountEditor> editor;

    AccountEditorFixture() {
        pol.write("data/accounts.txt", kAccounts);
        pol.write(
            "config/cmds.cfg",
            "CmdLevel Player\n{\n  DIR commands/player\n}\nCmdLevel Test\n{\n  ALIAS dev\n}\n");
        editor = std::make_unique<AccountEditor>(pol.path());
    }
    std::string file() const { return TempFolder::read(pol / "data/accounts.txt"); }
};

TEST_F(AccountEditorFixture, ListsTheAccountsAndShowsWhatTheServerReads) {
    EXPECT_EQ(editor->refuseEdit(-1),
              "You must load the accounts first, then select an account to Edit");
    EXPECT_EQ(editor->refuseNew(), "You must load the accounts first, then select new account");
    ASSERT_EQ(editor->load(), std::nullopt);
    EXPECT_EQ(editor->entryTexts(), (Lines{"Admin", "hashonly", "admiral"}));
    EXPECT_EQ(editor->commandLevels(), (Lines{"Player", "Test"}));
    const auto shown = editor->show(1);
    EXPECT_EQ(shown.password, "");  // a hash is never shown as the password
    EXPECT_EQ(shown.enabled, "1");
    EXPECT_EQ(shown.banned, "0");
    const auto blank = editor->show(-1);
    EXPECT_EQ(blank.enabled, "1");
    EXPECT_EQ(blank.name, "");
    EXPECT_EQ(editor->refuseEdit(-1), "You must first select an account to Edit");
    EXPECT_EQ(editor->refuseDelete(-1), "You must first select an account to delete");
}

TEST_F(AccountEditorFixture, OkRefusesWhatTheServerCouldNotStartWith) {
    editor->load();
    auto form = editor->show(0);
    form.cmdLevel = "admin";  // the file's level, unknown to cmds.cfg
    EXPECT_EQ(editor->apply(0, form),
              "The command level admin is not one the server knows: Player, Test.");
    form.cmdLevel = "test";
    form.name = "ADMIRAL";
    EXPECT_EQ(editor->apply(0, form), "There is already an account named ADMIRAL.");
    form.name = "Admin";
    form.password = "";
    EXPECT_EQ(editor->apply(0, form), "An account needs a password.");
    form.password = "new";
    form.misc = "Foo bar\r\n} oops";
    EXPECT_EQ(editor->apply(0, form),
              "The Miscellaneous lines cannot begin with \"}\", \"{\" or \"Account\".");
    form.misc = "  Foo\tbar  \r\n\r\n";
    EXPECT_EQ(editor->apply(0, form), std::nullopt);

    auto hashed = editor->show(1);
    EXPECT_EQ(editor->apply(1, hashed), std::nullopt);  // the hash stands in for the password
    hashed.name = "renamed";
    EXPECT_EQ(editor->apply(1, hashed),
              "Type a new password: the stored one only works with the old name.");
    hashed.password = "fresh";
    EXPECT_EQ(editor->apply(1, hashed), std::nullopt);
    EXPECT_EQ(editor->entryTexts(), (Lines{"Admin", "hashonly", "admiral"}));  // until a reload
}

TEST_F(AccountEditorFixture, SaveWritesTheBackupFirstAndTheServerReadsTheEdits) {
    editor->load();
    auto form = editor->show(2);
    form.privileges[0] = true;   // clotheany
    form.privileges[2] = false;  // invul
    form.enabled = "0";
    ASSERT_EQ(editor->apply(2, form), std::nullopt);
    editor->remove(0);
    editor->cancel();
    ASSERT_EQ(editor->save(), std::nullopt);
    EXPECT_EQ(TempFolder::read(pol / "data/accounts.old"), kAccounts);
    const auto accounts = kaj::testing::readServerElements(file());
    ASSERT_EQ(accounts.size(), 2u);
    EXPECT_EQ(accounts[0].first("name"), "hashonly");
    EXPECT_EQ(accounts[0].first("passwordhash"), "abc123");
    EXPECT_EQ(accounts[0].first("password"), std::nullopt);
    EXPECT_EQ(accounts[0].first("enabled"), std::nullopt);  // still the server's default
    EXPECT_EQ(accounts[1].first("defaultprivs"), "clotheany seeghosts");
    EXPECT_EQ(accounts[1].first("enabled"), "0");
    EXPECT_EQ(accounts[1].first("banned"), "0");
}

TEST_F(AccountEditorFixture, NewAccountsNeedAUniqueNameAndOkBeforeASave) {
    editor->load();
    EXPECT_EQ(editor->addPending("admin").refusal, "There is already an account named admin.");
    const auto added = editor->addPending("newbie");
    ASSERT_EQ(added.entry, 3);
    EXPECT_EQ(editor->save(), "Finish the new account with OK or Cancel before saving.");
    editor->cancel();
    EXPECT_EQ(editor->entries().size(), 3u);
    const auto again = editor->addPending("newbie");
    auto form = editor->show(*again.entry);
    form.password = "pw";
    ASSERT_EQ(editor->apply(*again.entry, form), std::nullopt);
    editor->cancel();  // after OK, a Cancel keeps it
    ASSERT_EQ(editor->save(), std::nullopt);
    EXPECT_NE(file().find("Account\r\n{\r\n\tName newbie\r\n\tPassword pw\r\n\tEnabled 1\r\n"
                          "\tBanned 0\r\n}\r\n"),
              std::string::npos);
}

TEST_F(AccountEditorFixture, AFailedWriteNamesTheFileAndKeepsIt) {
    editor->load();
    std::optional<std::string> failure;
    {
        // The backup is made; the second file opened, accounts.txt's own, fails.
        platform::InjectedFileFault full(2, ENOSPC);
        full.onlyOf(platform::FileStep::Open);
        failure = editor->save();
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find((pol / "data" / "accounts.txt").string()), std::string::npos)
        << *failure;
    EXPECT_EQ(file(), kAccounts);
    std::filesystem::remove(pol / "data/accounts.old");
    std::filesystem::create_directories(pol / "data/accounts.old/blocker");
    const auto backupFailure = editor->save();
    ASSERT_TRUE(backupFailure.has_value());
    EXPECT_TRUE(
        backupFailure->starts_with("The backup " + (pol / "data" / "accounts.old").string()))
        << *backupFailure;
}

TEST_F(AccountEditorFixture, SearchFindsEachMatchOnceAndSaysWhenNoneIsLeft) {
    EXPECT_EQ(editor->search("adm").message, "You must load the accounts first");
    editor->load();
    EXPECT_EQ(editor->searchAgain().message, "You have not already searched for something");
    EXPECT_EQ(editor->search("").message, "Please type something in the search box");
    EXPECT_EQ(editor->search("ADM").found, 0);
    EXPECT_EQ(editor->searchAgain().found, 2);
    const auto none = editor->searchAgain();
    EXPECT_EQ(none.found, std::nullopt);
    EXPECT_EQ(none.message, "Search complete, no items match.\r\nPlease modify Search pattern.");
    EXPECT_EQ(editor->search("zzz").message, kNoMatch);
}

TEST(AccountEditor, AMissingFileIsToldAndTheLevelsFallBackWithoutCmdsCfg) {
    TempFolder pol;
    AccountEditor editor(pol.path());
    EXPECT_EQ(editor.load(), "accounts.txt does not exist!");
    EXPECT_EQ(editor.commandLevels(), (Lines{"player", "coun", "seer", "gm", "admin", "test"}));
}

TEST(PackageManager, WalksTheServerFolderAndSavesOnePackageWithItsBackup) {
    TempFolder pol;
    pol.write("pkg.cfg", "Enabled 1\nName root\n");
    pol.write("pkg/b/pkg.cfg", "Enabled 0\nName bee\n");
    pol.write("pkg/A/pkg.cfg", "# Name comment\nEnabled 1\nName ay\nVersion 1/2\n#Requires none\n");
    pol.write("pkg/A/inner/pkg.cfg", "Name inner\n");
    pol.write("pkg/c.d/pkg.cfg", "Name dotted\n");
    const std::string original = TempFolder::read(pol / "pkg/A/pkg.cfg");
    PackageManager manager(pol.path());
    EXPECT_EQ(manager.refuseEdit(0),
              "You must load the packages first, then select a package to Edit");
    manager.load();
    EXPECT_EQ(manager.names(), (Lines{"root", "ay", "inner", "bee"}));
    EXPECT_EQ(manager.refuseEdit(-1), "You must first select an package to Edit");
    auto form = manager.show(1);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->version, "1/2");
    EXPECT_EQ(form->requires_, "");
    EXPECT_EQ(manager.show(2)->enabled, std::nullopt);
    EXPECT_EQ(manager.save(2, *manager.show(2)), "Choose Yes or No for Enabled before saving.");
    form->maintainer = "staff";
    ASSERT_EQ(manager.save(1, *form), std::nullopt);
    EXPECT_EQ(TempFolder::read(pol / "pkg/A/pkg.old"), original);
    EXPECT_EQ(TempFolder::read(pol / "pkg/A/pkg.cfg"),
              "Enabled 1\r\nName ay\r\nVersion 1/2\r\nMaintainer staff\r\n");
    EXPECT_EQ(manager.search("E").found, 2);
    EXPECT_EQ(manager.searchAgain().found, 3);
}

TEST(PackageManager, AFailedSaveKeepsThePkgCfgAndItsMode) {
    TempFolder pol;
    pol.write("p/pkg.cfg", "Enabled 1\nName p\n");
    kaj::testing::setFileMode(pol / "p/pkg.cfg", 0640);
    PackageManager manager(pol.path());
    manager.load();
    auto form = *manager.show(0);
    form.version = "2";
    ASSERT_EQ(manager.save(0, form), std::nullopt);
    if (kaj::testing::kFilesHaveModes) {
        EXPECT_EQ(kaj::testing::fileMode(pol / "p/pkg.cfg"), 0640u);
    }
    form.version = "3";
    platform::InjectedFileFault full(2, ENOSPC);
    full.onlyOf(platform::FileStep::Open);
    const auto failure = manager.save(0, form);
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("could not be written"), std::string::npos);
    EXPECT_EQ(TempFolder::read(pol / "p/pkg.cfg"), "Enabled 1\r\nName p\r\nVersion 2\r\n");
}

}  // namespace
}  // namespace kaj::admin
