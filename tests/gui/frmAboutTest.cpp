#include "frmAbout.h"

#include <gtest/gtest.h>

#include "FileSystemTraits.h"
#include "MenuHarness.h"
#include "SystemInformation.h"

namespace kaj::about {
namespace {

using kaj::testing::MenuHarness;

struct AboutFixture : ::testing::Test {
    MenuHarness h;
    frmAbout* about = nullptr;

    void SetUp() override {
        h.folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\n");
        h.open().showAbout();
        about = h.menu->aboutWindow();
    }
    void writeRegistry(const std::string& body) {
        h.winePrefix.write("system.reg", "WINE REGISTRY Version 2\n\n" + body);
    }
    void clickSysInfo() { about->findChild<QPushButton*>("cmdSysInfo")->click(); }
};

TEST_F(AboutFixture, WithoutTheRegistryValuesSystemInformationIsUnavailable) {
    EXPECT_EQ(about->findChild<QPushButton*>("cmdSysInfo")->text(), "&System Info...");
    clickSysInfo();
    writeRegistry(
        "[Software\\\\Microsoft\\\\Shared Tools Location] 1\n\"MSINFO\"=\"C:\\\\nowhere\"\n");
    clickSysInfo();
    // Both name the folder the console keeps its files in, as the box itself does.
    const std::string told = std::string(kSystemInformationUnavailable) +
                             "\r\n\r\nKajmar Console keeps its settings and files in " +
                             h.folder.path().string() + ".";
    EXPECT_EQ(h.dialogs.messages, std::vector<std::string>(2, told));
    EXPECT_TRUE(h.shell.opened.empty());
    EXPECT_EQ(about->lblConsoleFolder->text().toStdString(),
              "Settings and files: " + h.folder.path().string());
}

TEST_F(AboutFixture, StartsTheToolThatEitherRegistryValueNames) {
    if (!kaj::testing::kLinksCanBeMade) {
        GTEST_SKIP() << "symbolic links cannot be made here";
    }
    h.winePrefix.write("drive_c/windows/msinfo/MSInfo32.exe", "MZ");
    std::filesystem::create_directories(h.winePrefix / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", h.winePrefix / "dosdevices" / "c:");
    writeRegistry(
        "[Software\\\\Microsoft\\\\Shared Tools Location] 1\n"
        "\"MSINFO\"=\"C:\\\\Windows\\\\MSInfo\"\n");
    clickSysInfo();
    ASSERT_EQ(h.shell.opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(h.shell.opened[0].first).filename(), "MSInfo32.exe");

    writeRegistry(
        "[Software\\\\Wow6432Node\\\\Microsoft\\\\Shared Tools\\\\MSINFO] 1\n"
        "\"PATH\"=\"C:\\\\windows\\\\msinfo\\\\msinfo32.exe\"\n");
    clickSysInfo();
    ASSERT_EQ(h.shell.opened.size(), 2u);
    EXPECT_EQ(std::filesystem::canonical(h.shell.opened[1].first),
              std::filesystem::canonical(h.winePrefix / "drive_c/windows/msinfo/MSInfo32.exe"));
    EXPECT_TRUE(h.dialogs.messages.empty());
}

TEST_F(AboutFixture, TheLinksOpenTheWebPageAndAMailMessage) {
    emit about->LabelWWW->linkActivated("#");
    emit about->LabelMail->linkActivated("#");
    ASSERT_EQ(h.shell.opened.size(), 2u);
    EXPECT_EQ(h.shell.opened[0].first, frmAbout::kWebPage);
    EXPECT_EQ(h.shell.opened[1].first, std::string("mailto:") + frmAbout::kMailAddress);
}

}  // namespace
}  // namespace kaj::about
