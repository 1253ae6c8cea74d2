#include "ClientLaunch.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "FileSystemTraits.h"
#include "InjectedFileFault.h"
#include "TempFolder.h"

namespace kaj::launcher {
namespace {

using kaj::testing::TempFolder;
using Lines = std::vector<std::string>;

class RecordingShell : public platform::Shell {
  public:
    std::vector<std::pair<std::string, std::filesystem::path>> opened;
    bool succeed = true;
    bool open(const std::string& target, const std::filesystem::path& folder) override {
        opened.emplace_back(target, folder);
        return succeed;
    }
    std::string lastFailure() const override { return succeed ? "" : "wine is missing"; }
};

TEST(OSIEncrypt, EveryByteValueFollowsTheFormula) {
    std::string all;
    for (int a = 0; a < 256; ++a) {
        all.push_back(static_cast<char>(a));
    }
    const std::string scrambled = OSIEncrypt(all);
    ASSERT_EQ(scrambled.size(), 256u);
    for (int a = 0; a < 256; ++a) {
        const int expected = a + 13 > 127 ? (a + 13) % 127 + 32 : a + 13;
        EXPECT_EQ(static_cast<unsigned char>(scrambled[static_cast<std::size_t>(a)]), expected)
            << a;
    }
    EXPECT_EQ(OSIEncrypt("abc"), "nop");
    EXPECT_EQ(OSIEncrypt("z"), "(");
    EXPECT_EQ(OSIEncrypt(""), "");
}

TEST(UoCfg, KeepsOnlyOtherSettingsCutAtTheirCommentsThenTheFiveLines) {
    const Lines old = {"AcctID=olduser",
                       "AcctPassword=xyz",
                       "SavePassword=off",
                       "RememberAcctPW=off",
                       "; a comment",
                       "",
                       "  WindowSize=640 ; wide  ",
                       "acctid=lower",
                       "AcctIDX=also dropped",
                       "\tTabbed=1",
                       "; UO.CFG created by Kaj"};
    const ShardFields shard{"Demo", "1.2.3.4", "5003", "gm", "z", ""};
    EXPECT_EQ(uoCfgLines(old, shard),
              (Lines{"WindowSize=640 ", "acctid=lower", "\tTabbed=1", "; UO.CFG created by Kaj",
                     "SavePassword=on", "AcctID=gm", "AcctPassword=(", "RememberAcctPW=on"}));
    // A second launch over its own output leaves one copy of the five lines (and
    // trims the blank the first one kept before a comment).
    const auto twice = uoCfgLines(uoCfgLines(old, shard), shard);
    EXPECT_EQ(twice,
              (Lines{"WindowSize=640", "acctid=lower", "\tTabbed=1", "; UO.CFG created by Kaj",
                     "SavePassword=on", "AcctID=gm", "AcctPassword=(", "RememberAcctPW=on"}));
    EXPECT_EQ(loginCfgLines({"Zeta", " 10.0.0.9", "2593", "", "", ""}),
              (Lines{"; login.cfg file for Zeta", "LoginServer= 10.0.0.9,2593"}));
}

struct LaunchFixture : ::testing::Test {
    TempFolder uo;
    RecordingShell shell;
    LaunchRequest request;

    LaunchFixture() {
        uo.write("login.cfg", "LoginServer=old,1\r\n");
        uo.write("uo.cfg", "AcctID=old\r\nWindowSize=640\n");
        const auto client = uo.write("bin/client.exe", "MZ");
        request.uoFolder = (uo.path() / "").string();
        request.shard = {"Demo", "127.0.0.1", "5003", "gm", "abc", client.string()};
    }
    std::string file(const char* name) const { return TempFolder::read(uo / name); }
};

TEST_F(LaunchFixture, WritesBothFilesAndStartsTheClientInItsFolder) {
    const auto outcome = launchClient(request, shell);
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(file("login.cfg"), "; login.cfg file for Demo\r\nLoginServer=127.0.0.1,5003\r\n");
    EXPECT_EQ(file("uo.cfg"),
              "WindowSize=640\r\n; UO.CFG created by Kaj\r\nSavePassword=on\r\nAcctID=gm\r\n"
              "AcctPassword=nop\r\nRememberAcctPW=on\r\n");
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].first, (uo / "bin/client.exe").string());
    EXPECT_EQ(shell.opened[0].second, uo / "bin/");
}

TEST_F(LaunchFixture, AFolderWithoutItsSeparatorAndFilesInAnyCaseStillWork) {
    if (!kaj::testing::kNamesDifferingInCaseAreDistinct) {
        GTEST_SKIP() << "names differing only in case are one file here";
    }
    std::filesystem::rename(uo / "uo.cfg", uo / "UO.CFG");
    request.uoFolder = uo.path().string();
    request.start = false;
    EXPECT_TRUE(launchClient(request, shell).ok);
    EXPECT_TRUE(file("UO.CFG").ends_with("RememberAcctPW=on\r\n"));
    EXPECT_FALSE(std::filesystem::exists(uo / "uo.cfg"));
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(LaunchFixture, EachMissingPieceStopsWithItsMessageAfterWhatWasDone) {
    std::filesystem::remove(uo / "uo.cfg");
    auto outcome = launchClient(request, shell);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.messages, Lines{"Warning could not open uo.cfg.  Check your UO Path."});
    EXPECT_EQ(file("login.cfg"), "; login.cfg file for Demo\r\nLoginServer=127.0.0.1,5003\r\n");

    std::filesystem::remove(uo / "login.cfg");
    outcome = launchClient(request, shell);
    EXPECT_EQ(outcome.messages, Lines{"Warning could not open login.cfg.  Check your UO Path."});
    EXPECT_FALSE(std::filesystem::exists(uo / "login.cfg"));

    uo.write("login.cfg", "");
    uo.write("uo.cfg", "");
    for (std::string client :
         {std::string(), (uo / "bin/missing.exe").string(), (uo / "bin").string()}) {
        request.shard.client = client;
        outcome = launchClient(request, shell);
        EXPECT_EQ(outcome.messages,
                  Lines{"Warning could not launch client.  Check your path and filename."})
            << client;
    }
    uo.write("bin/x", "");  // a name shorter than two characters is not taken
    request.shard.client = (uo / "bin/x").string();
    EXPECT_FALSE(launchClient(request, shell).ok);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(LaunchFixture, AFailedStartIsToldWithTheShellsReason) {
    shell.succeed = false;
    const auto outcome = launchClient(request, shell);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.messages, Lines{"The client could not be started: wine is missing."});
}

TEST_F(LaunchFixture, AFileThatCannotBeWrittenStopsTheLaunchAndStaysAsItWas) {
    // login.cfg is written; uo.cfg, the second file opened, fails.
    platform::InjectedFileFault full(2, ENOSPC);
    full.onlyOf(platform::FileStep::Open);
    const auto outcome = launchClient(request, shell);
    EXPECT_FALSE(outcome.ok);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].find((uo / "uo.cfg").string()), std::string::npos)
        << outcome.messages[0];
    EXPECT_EQ(file("uo.cfg"), "AcctID=old\r\nWindowSize=640\n");
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(LaunchFixture, TheFilesKeepTheirPermissions) {
    kaj::testing::setFileMode(uo / "uo.cfg", 0640);
    kaj::testing::setFileMode(uo / "login.cfg", 0604);
    EXPECT_TRUE(launchClient(request, shell).ok);
    if (kaj::testing::kFilesHaveModes) {
        EXPECT_EQ(kaj::testing::fileMode(uo / "uo.cfg"), 0640u);
        EXPECT_EQ(kaj::testing::fileMode(uo / "login.cfg"), 0604u);
    }
}

}  // namespace
}  // namespace kaj::launcher
