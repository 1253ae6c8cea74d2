#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "Shell.h"
#include "SingleInstance.h"
#include "TempFolder.h"

namespace kaj::platform {
namespace {

using kaj::testing::TempFolder;

TEST(SingleInstance, OnlyTheFirstHolderOfTheLockIsFirstUntilItEnds) {
    TempFolder folder;
    const auto lock = folder / "console.lock";
    {
        SingleInstance first(lock);
        EXPECT_TRUE(first.isFirst());
        SingleInstance second(lock);
        EXPECT_FALSE(second.isFirst());
    }
    SingleInstance again(lock);
    EXPECT_TRUE(again.isFirst());
}

TEST(Shell, ClassifiesAddressesWindowsProgramsProgramsAndDocuments) {
    TempFolder folder;
    const auto program = folder.write("pol", "#!/bin/sh\n");
    ::chmod(program.c_str(), 0755);
    EXPECT_EQ(classifyShellTarget("http://example.invalid/"), ShellTargetKind::Address);
    EXPECT_EQ(classifyShellTarget("MAILTO:gm@example.invalid"), ShellTargetKind::Address);
    EXPECT_EQ(classifyShellTarget("C:/UO/Client.EXE"), ShellTargetKind::WindowsProgram);
    EXPECT_EQ(classifyShellTarget(program.string()), ShellTargetKind::Program);
    EXPECT_EQ(classifyShellTarget((folder / "notes.txt").string()), ShellTargetKind::Document);
}

TEST(Shell, StartsAProgramInItsWorkingFolderAndReportsAMissingOne) {
    TempFolder folder;
    const auto program = folder.write("bin/start.sh", "#!/bin/sh\npwd > started.txt\n");
    ::chmod(program.c_str(), 0755);
    std::filesystem::create_directories(folder / "work");
    auto shell = makeSystemShell();
    ASSERT_TRUE(shell->open(program.string(), folder / "work"));
    const auto marker = folder / "work" / "started.txt";
    for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(TempFolder::read(marker),
              std::filesystem::canonical(folder / "work").string() + "\n");

    EXPECT_FALSE(shell->open((folder / "missing.exe").string(), folder.path()));
    EXPECT_FALSE(shell->open(program.string(), folder / "no-such-folder"));
}

}  // namespace
}  // namespace kaj::platform
