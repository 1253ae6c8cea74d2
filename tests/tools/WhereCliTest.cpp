// kajcli finds the console's folder as the console does, and the commands that read
// or write the console's own files go there unless told otherwise.
#include <gtest/gtest.h>

#include <QByteArray>

#include "RunProgram.h"
#include "TempFolder.h"

namespace kaj::testing {
namespace {

#ifdef _WIN32
const char* const kUserFolderVariable = "APPDATA";
const char* const kUserFolderName = "Kajmar Console";
const char* const kProgramName = "kajcli.exe";
const std::string kBuiltProgram = windowsPathOf(KAJ_KAJCLI);
#else
const char* const kUserFolderVariable = "XDG_CONFIG_HOME";
const char* const kUserFolderName = "kajmar-console";
const char* const kProgramName = "kajcli";
const std::string kBuiltProgram = KAJ_KAJCLI;
#endif

std::string firstLine(const std::string& printed) {
    return printed.substr(0, printed.find('\n'));
}

TEST(WhereCli, TheUsersFolderUnlessAKajIniLiesBesideTheProgram) {
    TempFolder config;
    const QByteArray before = qgetenv(kUserFolderVariable);
    qputenv(kUserFolderVariable, QByteArray::fromStdString(config.path().string()));
    const auto users = config / kUserFolderName;

    std::string printed;
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "where"}, nullptr, &printed), 0);
    EXPECT_EQ(firstLine(printed), users.string());
    EXPECT_TRUE(std::filesystem::is_directory(users));

    // travel without --dir: the travel file of that folder.
    config.write(std::string(kUserFolderName) + "/KajMap.scp",
                 "C=Towns\r\nS=North\r\nL=Amberfield\r\nP=576,192,3\r\n");
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "travel"}, nullptr, &printed), 0);
    EXPECT_EQ(printed, "Towns|North|Amberfield|576,192,3\n");

    // A portable copy: a Kaj.ini beside the program makes its folder the console's.
    TempFolder portable;
    const auto copy = portable / kProgramName;
    std::filesystem::copy_file(kBuiltProgram, copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_all);
    EXPECT_EQ(runProgram({copy.string(), "where"}, nullptr, &printed), 0);
    EXPECT_EQ(firstLine(printed), users.string());
    portable.write("Kaj.ini", "");
    EXPECT_EQ(runProgram({copy.string(), "where"}, nullptr, &printed), 0);
    EXPECT_EQ(firstLine(printed), portable.path().string());

    // The client's folder: the Setup tab's Ultima Directory of that Kaj.ini when it
    // names a folder.
    TempFolder client;
    portable.write("Kaj.ini", "UOPATH=" + client.path().string() + "\r\n");
    EXPECT_EQ(runProgram({copy.string(), "where"}, nullptr, &printed), 0);
    EXPECT_EQ(printed, portable.path().string() + "\nclient folder: " + client.path().string() +
                           " (the Setup tab's Ultima Directory)\n");

    qputenv(kUserFolderVariable, before);
}

}  // namespace
}  // namespace kaj::testing
