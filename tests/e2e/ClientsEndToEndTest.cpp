// Which window receives the commands, on the X server named by DISPLAY: several
// clients, ClassicUO's window among look-alikes, a window manager without a client list.
#include <X11/Xatom.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "CommandSender.h"
#include "FakeClientProcess.h"
#include "RecordingDialogs.h"
#include "X11DesktopInput.h"

namespace kaj::e2e {
namespace {

using kaj::testing::FakeClientProcess;
using kaj::testing::runProgram;

std::uint64_t windowOf(const FakeClientProcess& client) {
    platform::x11::X11DesktopInput desktop;
    for (const auto& window :
         desktop.listWindows().value_or(std::vector<platform::ListedWindow>{})) {
        if (window.processId == static_cast<std::uint64_t>(client.processId())) {
            return window.id;
        }
    }
    return 0;
}

TEST(ClientsEndToEnd, TheChosenOfTwoClientsAloneReceivesTheKeys) {
    FakeClientProcess first("Ultima Online - Staff");
    FakeClientProcess second("Ultima Online - Player");
    platform::x11::X11DesktopInput desktop;
    platform::RecordingDialogs dialogs;
    console::ClientTarget target;
    target.chosenWindow = windowOf(second);
    ASSERT_NE(*target.chosenWindow, 0u);
    console::CommandSender sender(desktop, dialogs, {}, [&] { return target; });
    bool userCommand = false;
    sender.SendCommand("where", userCommand, false);
    EXPECT_EQ(second.waitForLog(7), "\n.where");
    EXPECT_EQ(first.log(), "");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ClientsEndToEnd, ClassicUOsWindowIsFoundAndItsLookAlikeIsLeftAlone) {
    FakeClientProcess browser("ClassicUO - GitHub - Browser", "firefox");
    FakeClientProcess game("Bob - ClassicUO - 1.1.0.999", "ClassicUO.bin.x86_64");
    std::string errors;
    std::string output;
    ASSERT_EQ(runProgram({KAJ_KAJCLI, "clients", "--client", "classicuo"}, &errors, &output), 0);
    EXPECT_NE(output.find(" Bob - ClassicUO - 1.1.0.999\n"), std::string::npos) << output;
    EXPECT_EQ(output.find("GitHub"), std::string::npos);
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", "--client", "classicuo", "--enter", "tele"}), 0);
    EXPECT_EQ(game.waitForLog(7), "\n.tele\n");
    EXPECT_EQ(browser.log(), "");
}

TEST(ClientsEndToEnd, WithoutTheWindowManagersClientListTheClientIsStillFound) {
    FakeClientProcess client("Ultima Online");
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XDeleteProperty(display, DefaultRootWindow(display),
                    XInternAtom(display, "_NET_CLIENT_LIST", False));
    XSync(display, False);
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", "where"}), 0);
    EXPECT_EQ(client.waitForLog(7), "\n.where");
    XCloseDisplay(display);
}

TEST(ClientsEndToEnd, OnAWaylandDesktopAMissingClientIsExplained) {
    setenv("WAYLAND_DISPLAY", "wayland-0", 1);
    std::string errors;
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", "--client", "No Such Client", "where"}, &errors), 1);
    unsetenv("WAYLAND_DISPLAY");
    EXPECT_TRUE(errors.starts_with("UO Client is not running!\r\n\r\nThis desktop runs Wayland"))
        << errors;
}

}  // namespace
}  // namespace kaj::e2e
