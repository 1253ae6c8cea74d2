#include "Registry.h"

#include <gtest/gtest.h>

#include "FileSystemTraits.h"
#include "TempFolder.h"

namespace kaj::platform {
namespace {

using kaj::testing::TempFolder;

constexpr const char* kClientKey = "SOFTWARE\\Origin Worlds Online\\Ultima Online\\1.0";

TEST(WineRegistry, ThirtyTwoBitViewWinsOverThePlainKey) {
    TempFolder prefix;
    prefix.write(
        "system.reg",
        "WINE REGISTRY Version 2\n"
        ";; All keys relative to \\\\Machine\n\n"
        "#arch=win64\n\n"
        "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1700000000\n"
        "\"ExePath\"=\"C:\\\\Plain\\\\client.exe\"\n\n"
        "[Software\\\\Wow6432Node\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1700000000\n"
        "#time=1d9\n"
        "\"exepath\"=\"C:\\\\Games\\\\UO\\\\client.exe\"\n"
        "\"Other\"=dword:00000001\n");
    WineRegistry registry(prefix.path());
    EXPECT_EQ(registry.localMachineString(kClientKey, "ExePath"), "C:\\Games\\UO\\client.exe");
    EXPECT_EQ(registry.localMachineString(kClientKey, "Other"),
              "1");  // a 32-bit number, in decimal
    EXPECT_FALSE(registry.localMachineString("SOFTWARE\\Missing", "ExePath").has_value());
    EXPECT_FALSE(
        WineRegistry(prefix / "none").localMachineString(kClientKey, "ExePath").has_value());
}

TEST(WineRegistry, PlainKeyServesWhenThereIsNoThirtyTwoBitView) {
    TempFolder prefix;
    prefix.write("system.reg",
                 "[Software\\\\Microsoft\\\\Shared Tools\\\\MSInfo] 1\n"
                 "\"Path\"=str(2):\"C:\\\\windows\\\\msinfo32.exe\"\n");
    WineRegistry registry(prefix.path());
    EXPECT_EQ(registry.localMachineString("SOFTWARE\\Microsoft\\Shared Tools\\MSInfo", "Path"),
              "C:\\windows\\msinfo32.exe");
}

TEST(WineRegistry, TodaysInstallerKeyReadsInEitherView) {
    constexpr const char* kTodaysKey = "SOFTWARE\\Electronic Arts\\EA Games\\Ultima Online Classic";
    TempFolder wow;
    wow.write(
        "system.reg",
        "[Software\\\\Wow6432Node\\\\Electronic Arts\\\\EA Games\\\\Ultima Online Classic] 1\n"
        "\"InstallDir\"=\"C:\\\\Program Files (x86)\\\\Electronic Arts\\\\Ultima Online "
        "Classic\"\n");
    EXPECT_EQ(WineRegistry(wow.path()).localMachineString(kTodaysKey, "InstallDir"),
              "C:\\Program Files (x86)\\Electronic Arts\\Ultima Online Classic");
    TempFolder plain;
    plain.write("system.reg",
                "[Software\\\\Electronic Arts\\\\EA Games\\\\Ultima Online Classic] 1\n"
                "\"InstallDir\"=\"D:\\\\UO\"\n");
    EXPECT_EQ(WineRegistry(plain.path()).localMachineString(kTodaysKey, "InstallDir"), "D:\\UO");
}

TEST(WineRegistry, ValuesUndoTheirEscapes) {
    EXPECT_EQ(parseRegStringValue(R"("A"="x\"y\\z\x00e9")", "a"), "x\"y\\z\xE9");
    EXPECT_FALSE(parseRegStringValue(R"("A"="unterminated)", "A").has_value());
    EXPECT_FALSE(parseRegStringValue(R"("B"="x")", "A").has_value());
}

TEST(WineRegistry, DrivePathsGoThroughDosdevicesWhateverTheirCase) {
    if (!kaj::testing::kLinksCanBeMade) {
        GTEST_SKIP() << "symbolic links cannot be made here";
    }
    TempFolder prefix;
    prefix.write("drive_c/Games/UO/client.exe", "MZ");
    std::filesystem::create_directories(prefix / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    WineRegistry registry(prefix.path());
    const auto native = registry.toNativePath("C:\\GAMES\\uo\\Client.EXE");
    EXPECT_EQ(std::filesystem::canonical(native),
              std::filesystem::canonical(prefix / "drive_c/Games/UO/client.exe"));
    EXPECT_EQ(registry.toNativePath("relative\\x"), "relative/x");
}

}  // namespace
}  // namespace kaj::platform
