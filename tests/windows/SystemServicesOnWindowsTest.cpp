// The single-instance mutex across processes, and a program started through
// ShellExecuteW in its working folder, under Wine.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "Shell.h"
#include "SingleInstance.h"
#include "TempFolder.h"
#include "WindowsProcess.h"
#include "WindowsTestHelpers.h"

namespace kaj::windows {
namespace {

using kaj::testing::TempFolder;

// Wine starts cmd.exe slowly the first time in a new prefix, and more so on a busy
// machine: the file is waited for, and then for its line.
bool waitForFile(const std::filesystem::path& file) {
    for (int i = 0; i < 1500 && !std::filesystem::exists(file); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::filesystem::exists(file);
}

TEST(SingleInstanceOnWindows, ASecondProcessIsRefusedWhileTheFirstLives) {
    TempFolder folder;
    const std::string name = "KajTest" + folder.path().filename().string();
    {
        kaj::testing::WindowsProcess holder(
            {thisProgram(), kHoldInstanceOption, name, (folder / "held").string()});
        ASSERT_TRUE(waitForFile(folder / "held"));
        const platform::SingleInstance second(name);
        EXPECT_FALSE(second.isFirst());
    }
    // The holder has been ended: the system released its mutex.
    const platform::SingleInstance afterwards(name);
    EXPECT_TRUE(afterwards.isFirst());
}

TEST(ShellOnWindows, AProgramStartsThroughTheShellInItsWorkingFolder) {
    TempFolder folder;
    const auto script = folder.write("bin/start.bat", "@cd > ..\\where.txt\r\n");
    auto shell = platform::makeSystemShell();
    ASSERT_TRUE(shell->open(script.string(), folder / "bin")) << shell->lastFailure();
    ASSERT_TRUE(waitForFile(folder / "where.txt"));
    std::string where;
    for (int i = 0; i < 1500; ++i) {
        where = TempFolder::read(folder / "where.txt");
        if (where.ends_with("\n"))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(where, (folder / "bin").string() + "\r\n");

    EXPECT_FALSE(shell->open((folder / "missing.exe").string(), folder.path()));
    EXPECT_NE(shell->lastFailure().find("missing.exe"), std::string::npos);
}

}  // namespace
}  // namespace kaj::windows
