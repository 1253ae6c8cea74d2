#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "RunProgram.h"
#include "TempFolder.h"

namespace kaj::testing {
namespace {

struct LaunchCliFixture : ::testing::Test {
    TempFolder uo;
    std::string errors;

    int launch(const std::string& client, bool start) {
        std::vector<std::string> arguments = {
            KAJ_KAJCLI,  "launch", "--uo", uo.path().string(), "--name", "Demo Shard", "--ip",
            "127.0.0.1", "--port", "5003", "--account",        "gm",     "--password", "\x80\xFFz",
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
              "Music=on\r\n; UO.CFG created by Kaj\r\nSavePassword=on\r\nAcctID=gm\r\n"
              "AcctPassword=..(\r\nRememberAcctPW=on\r\n");  // 0x80 and 0xFF both wrap to "."
    EXPECT_EQ(TempFolder::read(uo / "login.cfg"),
              "; login.cfg file for Demo Shard\r\nLoginServer=127.0.0.1,5003\r\n");
    EXPECT_EQ(launch("/bin/sh", false), 0);
    EXPECT_EQ(errors, "");
}

TEST_F(LaunchCliFixture, StartsTheClientThroughTheShellInItsOwnFolder) {
    uo.write("login.cfg", "");
    uo.write("uo.cfg", "");
    const auto client = uo.write("client/start-client", "#!/bin/sh\npwd > started.txt\n");
    ::chmod(client.c_str(), 0755);
    ASSERT_EQ(launch(client.string(), true), 0) << errors;
    const auto marker = uo / "client" / "started.txt";
    for (int i = 0; i < 300 && TempFolder::read(marker).empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(TempFolder::read(marker), std::filesystem::canonical(uo / "client").string() + "\n");
}

TEST_F(LaunchCliFixture, AClientThatCannotRunIsToldWithTheReason) {
    uo.write("login.cfg", "");
    uo.write("uo.cfg", "");
    const auto client = uo.write("client/broken", "#!/no/such/interpreter\n");
    ::chmod(client.c_str(), 0755);
    EXPECT_EQ(launch(client.string(), true), 1);
    EXPECT_TRUE(errors.starts_with("The client could not be started: cannot run ")) << errors;
}

}  // namespace
}  // namespace kaj::testing
