#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "FileSystemTraits.h"
#include "RunProgram.h"
#include "TempFolder.h"

namespace kaj::testing {
namespace {

// Bytes above 127 wrap round. Where the command line is bytes (Linux) they are
// given as they are; where it is text (Windows), kajcli takes it as UTF-8, as a
// UTF-8 terminal would give it, so "€ÿ" arrives as E2 82 AC C3 BF.
#ifdef _WIN32
const char* const kPassword = "\u20AC\u00FFz";
const char* const kEncrypted =
    "\x90"
    "0Zqm(";
#else
const char* const kPassword = "\x80\xFFz";
const char* const kEncrypted = "..(";  // 0x80 and 0xFF both wrap to "."
#endif

struct LaunchCliFixture : ::testing::Test {
    TempFolder uo;
    std::string errors;

    int launch(const std::string& client, bool start) {
        std::vector<std::string> arguments = {
            KAJ_KAJCLI,  "launch", "--uo", uo.path().string(), "--name", "Demo Shard", "--ip",
            "127.0.0.1", "--port", "5003", "--account",        "gm",     "--password", kPassword,
            "--client",  client};
        if (!start) {
            arguments.push_back("--no-start");
        }
        return runProgram(arguments, &errors);
    }
};

TEST_F(LaunchCliFixture, WritesTheFilesAndTellsWhatIsMissing) {
    EXPECT_EQ(launch("", false), 1);
    EXPECT_EQ(errors, "Warning could not open login.cfg.  Check your UO Path.\n");
    uo.write("login.cfg", "");
    EXPECT_EQ(launch("", false), 1);
    EXPECT_EQ(errors, "Warning could not open uo.cfg.  Check your UO Path.\n");
    uo.write("uo.cfg", "; old\r\nAcctID=x\r\nMusic=on\r\n");
    EXPECT_EQ(launch("", false), 1);
    EXPECT_EQ(errors, "Warning could not launch client.  Check your path and filename.\n");
    EXPECT_EQ(TempFolder::read(uo / "uo.cfg"),
              std::string("Music=on\r\n; UO.CFG created by Kaj\r\nSavePassword=on\r\nAcctID=gm\r\n"
                          "AcctPassword=") +
                  kEncrypted + "\r\nRememberAcctPW=on\r\n");
    EXPECT_EQ(TempFolder::read(uo / "login.cfg"),
              "; login.cfg file for Demo Shard\r\nLoginServer=127.0.0.1,5003\r\n");
    EXPECT_EQ(launch(uo.write("client/client.exe", "MZ").string(), false), 0);
    EXPECT_EQ(errors, "");
}

TEST_F(LaunchCliFixture, StartsTheClientThroughTheShellInItsOwnFolder) {
    if (!kShellScriptsRun) {
        GTEST_SKIP() << "the stand-in clients are shell scripts";
    }
    uo.write("login.cfg", "");
    uo.write("uo.cfg", "");
    const auto client = uo.write("client/start-client", "#!/bin/sh\npwd > started.txt\n");
    setFileMode(client, 0755);
    ASSERT_EQ(launch(client.string(), true), 0) << errors;
    const auto marker = uo / "client" / "started.txt";
    for (int i = 0; i < 300 && TempFolder::read(marker).empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(TempFolder::read(marker), std::filesystem::canonical(uo / "client").string() + "\n");
}

TEST_F(LaunchCliFixture, AClientThatCannotRunIsToldWithTheReason) {
    if (!kShellScriptsRun) {
        GTEST_SKIP() << "the stand-in clients are shell scripts";
    }
    uo.write("login.cfg", "");
    uo.write("uo.cfg", "");
    const auto client = uo.write("client/broken", "#!/no/such/interpreter\n");
    setFileMode(client, 0755);
    EXPECT_EQ(launch(client.string(), true), 1);
    EXPECT_TRUE(errors.starts_with("The client could not be started: cannot run ")) << errors;
}

TEST_F(LaunchCliFixture, ClassicUOStartsWithItsArgumentsAndThePasswordInAPrivateFile) {
    if (!kShellScriptsRun) {
        GTEST_SKIP() << "the stand-in clients are shell scripts";
    }
    uo.write("login.cfg", "LoginServer=old,1\r\n");
    uo.write("uo.cfg", "AcctID=old\r\n");
    const auto client = uo.write(
        "cuo/ClassicUO",
        "#!/bin/sh\n{ pwd; printf '%s\\n' \"$@\"; echo \"$SDL_VIDEODRIVER $SDL_VIDEO_DRIVER\"; } "
        "> started.txt\n");
    setFileMode(client, 0755);
    TempFolder console;
    std::vector<std::string> arguments = {KAJ_KAJCLI,
                                          "launch",
                                          "--uo",
                                          uo.path().string(),
                                          "--name",
                                          "Zeta",
                                          "--ip",
                                          "10.0.0.9",
                                          "--port",
                                          "2593",
                                          "--account",
                                          "gm",
                                          "--password",
                                          "s3cret",
                                          "--client",
                                          client.string(),
                                          "--settings-folder",
                                          console.path().string()};
    ASSERT_EQ(runProgram(arguments, &errors), 0) << errors;
    const auto marker = uo / "cuo" / "started.txt";
    for (int i = 0; i < 300 && TempFolder::read(marker).find("x11") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const auto settings = console / "classicuo-Zeta.json";
    EXPECT_EQ(TempFolder::read(marker),
              std::filesystem::canonical(uo / "cuo").string() + "\n-settings\n" +
                  settings.string() + "\n-ip\n10.0.0.9\n-port\n2593\n-username\ngm\n-uopath\n" +
                  uo.path().string() + "/\nx11 x11\n");
    EXPECT_EQ(fileMode(settings), 0600u);
    EXPECT_EQ(TempFolder::read(settings).find("s3cret"), std::string::npos);
    EXPECT_NE(TempFolder::read(settings).find("\"password\": \"1-"), std::string::npos);
    EXPECT_EQ(TempFolder::read(uo / "login.cfg"), "LoginServer=old,1\r\n");
    EXPECT_EQ(TempFolder::read(uo / "uo.cfg"), "AcctID=old\r\n");
}

}  // namespace
}  // namespace kaj::testing
