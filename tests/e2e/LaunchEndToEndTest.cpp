// The real main window's "Launch" on a real X server: login.cfg and uo.cfg are
// rewritten and a stand-in client starts through the real shell in its own folder
// and shows its window.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QCoreApplication>

#include <chrono>
#include <thread>

#include "LauncherPage.h"
#include "RecordingDialogs.h"
#include "Registry.h"
#include "Shell.h"
#include "TempFolder.h"
#include "frmMenu.h"

// Xlib's macros (None, Bool, ...) come after every Qt header.
#include "FakeClientProcess.h"
#include "X11DesktopInput.h"

namespace kaj::e2e {
namespace {

using kaj::testing::TempFolder;

TEST(LaunchEndToEnd, LaunchStartsTheClientInItsFolderAndCommandsGoToIt) {
    TempFolder folder;
    const auto uo = folder / "uo";
    folder.write("KajMap.scp", "");
    folder.write("uo/login.cfg", "LoginServer=old,1\r\n");
    folder.write("uo/uo.cfg", "AcctID=old\r\nMusic=on\r\n");
    const auto client = folder.write(
        "uo/client/start",
        std::string("#!/bin/sh\necho $$ > client.pid\npwd > started.txt\nexec ") + KAJ_FAKECLIENT +
            " --title 'Ultima Online' --log keys.log --ready ready\n");
    ::chmod(client.c_str(), 0755);
    folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\nUOPATH=" + uo.string() + "/\r\n" +
                                "SERVER=Zeta|10.0.0.9|2593|gm|abc|" + client.string() + "\r\n");
    platform::RecordingDialogs dialogs;
    platform::x11::X11DesktopInput desktop;
    auto shell = platform::makeSystemShell();
    platform::WineRegistry registry(folder / "wine");
    console::frmMenu menu({dialogs, desktop, *shell, registry, folder.path(), KAJ_CONTROL_FOLDER});
    menu.Form_Load();
    menu.show();
    kaj::testing::FakeClientProcess other("Ultima Online");
    auto* page = menu.launcherPage();
    page->ListShards->setCurrentRow(0);
    page->cmdLauncherLaunch->click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{});

    const auto ready = uo / "client" / "ready";
    for (int i = 0; i < 500 && !std::filesystem::exists(ready); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(std::filesystem::exists(ready));
    EXPECT_EQ(TempFolder::read(uo / "client" / "started.txt"),
              std::filesystem::canonical(uo / "client").string() + "\n");
    EXPECT_EQ(TempFolder::read(uo / "login.cfg"),
              "; login.cfg file for Zeta\r\nLoginServer=10.0.0.9,2593\r\n");
    // The other client, open before it and listed first, does not get the command.
    menu.SendCommand("where");
    const std::string expected = "\n.where";
    for (int i = 0;
         i < 300 && TempFolder::read(uo / "client" / "keys.log").size() < expected.size(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(TempFolder::read(uo / "client" / "keys.log"), expected);
    EXPECT_EQ(other.log(), "");
    const std::string pid = TempFolder::read(uo / "client" / "client.pid");
    if (!pid.empty()) {
        kill(std::stoi(pid), SIGTERM);
    }
    menu.close();
}

}  // namespace
}  // namespace kaj::e2e
