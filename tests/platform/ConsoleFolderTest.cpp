#include "ConsoleFolder.h"

#include <gtest/gtest.h>

#include <map>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "FileSystemTraits.h"
#include "TempFolder.h"

namespace kaj::platform {
namespace {

using kaj::testing::TempFolder;

struct FolderRule : ::testing::Test {
    TempFolder program;
    TempFolder home;
    std::map<std::string, std::string> environment;
    bool programWritable = true;

    ConsoleFolderSystem system() {
        return {[this](const char* name) -> std::optional<std::string> {
                    const auto found = environment.find(name);
                    return found == environment.end() ? std::nullopt : std::optional(found->second);
                },
                [this](const std::filesystem::path&) { return programWritable; }};
    }
    // The user's folder the rule should take when it is not the program's.
    std::filesystem::path userFolder() const {
#ifdef _WIN32
        return home / "Kajmar Console";
#else
        return home / ".config" / "kajmar-console";
#endif
    }
    void SetUp() override {
#ifdef _WIN32
        environment["APPDATA"] = home.path().string();
#else
        environment["HOME"] = home.path().string();
#endif
    }
};

TEST_F(FolderRule, AProgramFolderWithAKajIniThatCanBeWrittenIsPortable) {
    program.write("Kaj.ini", "POLPATH=/srv/pol/\r\n");
    const auto chosen = chooseConsoleFolder(program.path(), system());
    EXPECT_EQ(chosen.path, program.path());
    EXPECT_TRUE(chosen.portable);
    EXPECT_FALSE(chosen.madeNow);
    EXPECT_EQ(newConsoleFolderNote(chosen), "");
    EXPECT_FALSE(std::filesystem::exists(userFolder()));
}

TEST_F(FolderRule, WithoutAKajIniOrWhereItCannotBeWrittenTheUsersFolderIsMadeOnce) {
    const auto fresh = chooseConsoleFolder(program.path(), system());
    EXPECT_EQ(fresh.path, userFolder());
    EXPECT_FALSE(fresh.portable);
    EXPECT_TRUE(fresh.madeNow);
    EXPECT_TRUE(std::filesystem::is_directory(userFolder()));
    EXPECT_EQ(newConsoleFolderNote(fresh),
              "Kajmar Console keeps its settings and files in " + userFolder().string() + ".");
    if (kaj::testing::kFilesHaveModes) {
        EXPECT_EQ(kaj::testing::fileMode(userFolder()), 0700u);
    }
    const auto again = chooseConsoleFolder(program.path(), system());
    EXPECT_EQ(again.path, userFolder());
    EXPECT_FALSE(again.madeNow);
    EXPECT_EQ(newConsoleFolderNote(again), "");

    program.write("Kaj.ini", "");
    programWritable = false;  // an installed program's folder
    EXPECT_EQ(chooseConsoleFolder(program.path(), system()).path, userFolder());
    programWritable = true;
    EXPECT_EQ(chooseConsoleFolder(program.path(), system()).path, program.path());
}

#ifndef _WIN32
TEST_F(FolderRule, XdgConfigHomeWinsWhenItIsAnAbsolutePath) {
    TempFolder config;
    environment["XDG_CONFIG_HOME"] = config.path().string();
    EXPECT_EQ(chooseConsoleFolder(program.path(), system()).path, config / "kajmar-console");
    environment["XDG_CONFIG_HOME"] = "relative/config";
    EXPECT_EQ(perUserConsoleFolder(system()), userFolder());
    environment["XDG_CONFIG_HOME"] = "";
    EXPECT_EQ(perUserConsoleFolder(system()), userFolder());
}

TEST_F(FolderRule, AReadOnlyProgramFolderIsNotWrittenIn) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write in any folder";
    }
    program.write("Kaj.ini", "");
    kaj::testing::setFileMode(program.path(), 0555);
    const auto chosen = chooseConsoleFolder(program.path());
    kaj::testing::setFileMode(program.path(), 0755);
    EXPECT_FALSE(chosen.portable);
}
#endif

TEST_F(FolderRule, AUsersFolderThatCannotBeMadeIsNamedWithTheReason) {
    home.write("taken", "a file where a folder would go");
#ifdef _WIN32
    environment["APPDATA"] = (home / "taken").string();
#else
    environment["HOME"] = (home / "taken").string();
#endif
    const auto chosen = chooseConsoleFolder(program.path(), system());
    EXPECT_FALSE(chosen.problem.empty());
    EXPECT_FALSE(chosen.madeNow);
    EXPECT_TRUE(newConsoleFolderNote(chosen).starts_with("The folder " + chosen.path.string() +
                                                         " could not be made ("))
        << newConsoleFolderNote(chosen);
}

TEST_F(FolderRule, AnInstalledProgramFindsItsControlsInItsOwnLibraryFolder) {
    const std::filesystem::path packaged = "lib/x86_64-linux-gnu/kajmar-console";
    std::filesystem::create_directories(program / "bin");
    EXPECT_EQ(controlLibraryFolder(program / "bin", packaged), program / "bin");
    EXPECT_EQ(controlLibraryFolder(program / "bin", ""), program / "bin");
    std::filesystem::create_directories(program.path() / packaged);
    EXPECT_EQ(controlLibraryFolder(program / "bin", packaged), program.path() / packaged);
}

}  // namespace
}  // namespace kaj::platform
