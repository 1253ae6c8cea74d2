// Drives the real command sender and kajcli into real fakeclient windows on the X
// server named by DISPLAY (ctest runs this once without and once with a window manager).
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "CommandSender.h"
#include "Cp1252.h"
#include "FakeClientProcess.h"
#include "RecordingDialogs.h"
#include "X11DesktopInput.h"
#include "X11KeyTyper.h"
#include "X11WindowActivator.h"

namespace kaj::e2e {
namespace {

using kaj::testing::FakeClientProcess;
using kaj::testing::runProgram;

struct SenderEndToEnd : ::testing::Test {
    platform::x11::X11DesktopInput desktop;
    platform::RecordingDialogs dialogs;
    console::CommandSender sender{desktop, dialogs, {}};
    bool userCommand = false;

    void send(const std::string& command, bool asUser, bool sendEnter) {
        userCommand = asUser;
        sender.SendCommand(command, userCommand, sendEnter);
        EXPECT_FALSE(userCommand);
    }

    // Every printable ASCII character and some Windows-1252 letters, 200 characters in all.
    static std::string everyClassOfCharacter() {
        std::string text;
        for (int c = 0x20; c <= 0x7E; ++c)
            text.push_back(static_cast<char>(c));
        text += "\xE9\xFC\xDF\xF1\x80\xC9";  // é ü ß ñ € É
        while (text.size() < 200)
            text += "Zz9";
        text.resize(200);
        return text;
    }
};

TEST_F(SenderEndToEnd, TheFourScriptsArriveAsKeys) {
    FakeClientProcess client("Ultima Online");
    send("kill", false, true);
    send("kill", true, true);
    send("kill", false, false);
    send("kill", true, false);
    const std::string expected = "\n.kill\n\nkill\n\n.kill\nkill";
    EXPECT_EQ(client.waitForLog(expected.size()), expected);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SenderEndToEnd, EveryPrintableCharacterArrivesAsTyped) {
    FakeClientProcess client("Ultima Online");
    const std::string text = everyClassOfCharacter();
    send(text, false, true);
    const std::string expected = "\n." + platform::cp1252ToUtf8(text) + "\n";
    EXPECT_EQ(client.waitForLog(expected.size()), expected);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SenderEndToEnd, AUserCommandTypesItsNotation) {
    FakeClientProcess client("Ultima Online");
    send("Hi{TAB}+a^c%f~{F5}{x 3}{%}", true, false);
    const std::string expected = "\nHi<TAB>A<Ctrl+c><Alt+f>\n<F5>xxx%";
    EXPECT_EQ(client.waitForLog(expected.size()), expected);
}

TEST_F(SenderEndToEnd, TwoCommandsInARowEachStartWithEnter) {
    FakeClientProcess client("Ultima Online");
    send("goto ", false, false);
    send("where", false, false);
    const std::string expected = "\n.goto \n.where";
    EXPECT_EQ(client.waitForLog(expected.size()), expected);
}

TEST_F(SenderEndToEnd, AClientTitledWithACharacterNameIsFoundByPrefix) {
    FakeClientProcess client("Ultima Online - Bob");
    send("info", false, true);
    EXPECT_EQ(client.waitForLog(7), "\n.info\n");
}

TEST_F(SenderEndToEnd, TheExactTitleIsPreferred) {
    FakeClientProcess named("Ultima Online - Bob");
    FakeClientProcess exact("Ultima Online");
    send("info", false, false);
    EXPECT_EQ(exact.waitForLog(6), "\n.info");
    EXPECT_EQ(named.log(), "");
}

TEST_F(SenderEndToEnd, WithoutAClientNothingIsTypedAnywhere) {
    FakeClientProcess other("Notepad - Ultima Online");
    send("kill", true, true);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"UO Client is not running!"});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(other.log(), "");
}

TEST_F(SenderEndToEnd, KajcliTypesLikeTheConsoleAndFailsWithoutAClient) {
    const std::string text = everyClassOfCharacter();
    const std::string utf8 = platform::cp1252ToUtf8(text);
    std::string errors;
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", utf8}, &errors), 1);
    EXPECT_EQ(errors, "UO Client is not running!\n");

    FakeClientProcess client("Ultima Online");
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", "--enter", utf8}), 0);
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", utf8}), 0);
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", "--user", "--enter", "Hi{ENTER}+b(c)"}), 0);
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", "--user", "x{BAD}"}, &errors), 1);
    EXPECT_EQ(errors, "The user command cannot be typed: unknown key name {BAD} at character 2.\n");
    const std::string expected = "\n." + utf8 + "\n" + "\n." + utf8 + "\nHi\nBc\n";
    EXPECT_EQ(client.waitForLog(expected.size()), expected);
}

}  // namespace
}  // namespace kaj::e2e

namespace kaj::e2e {
namespace {

// Runs with DISPLAY set to a value for the length of one scope.
class DisplayOverride {
  public:
    explicit DisplayOverride(const char* value) {
        if (const char* old = std::getenv("DISPLAY")) {
            saved_ = old;
        }
        if (value != nullptr) {
            setenv("DISPLAY", value, 1);
        } else {
            unsetenv("DISPLAY");
        }
    }
    ~DisplayOverride() {
        if (saved_) {
            setenv("DISPLAY", saved_->c_str(), 1);
        } else {
            unsetenv("DISPLAY");
        }
    }

  private:
    std::optional<std::string> saved_;
};

TEST(SenderWithoutDesktop, KajcliNamesTheDisplayItCannotReach) {
    std::string errors;
    {
        DisplayOverride display(":79");
        EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", "kill"}, &errors), 1);
    }
    EXPECT_EQ(errors,
              "Cannot reach the X display :79: the X server is not running or refused the "
              "connection.\n");
    {
        DisplayOverride display(nullptr);
        EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", "kill"}, &errors), 1);
    }
    EXPECT_EQ(errors,
              "Cannot reach the X display: DISPLAY is not set, so there is no desktop to type "
              "into.\n");
}

TEST(KeyTyperEndToEnd, TypingStopsWhenTheTargetDoesNotHoldTheFocus) {
    FakeClientProcess focused("Ultima Online");
    FakeClientProcess elsewhere("Other Window");
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    platform::x11::X11WindowActivator activator(display);
    ASSERT_EQ(activator.activate("Ultima Online"), platform::ActivationOutcome::Activated);
    const auto other = activator.findWindow("Other Window");
    ASSERT_TRUE(other.has_value());
    const std::vector<platform::KeyStroke> keys(5, platform::KeyStroke::text('x'));
    const auto outcome = platform::x11::X11KeyTyper(display).type(keys, *other);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "the window lost the keyboard focus after 0 of 5 keys");
    EXPECT_TRUE(platform::x11::X11KeyTyper(display).type(keys, activator.activated()).ok);
    EXPECT_EQ(focused.waitForLog(5), "xxxxx");
    EXPECT_EQ(elsewhere.log(), "");
    XCloseDisplay(display);
}

}  // namespace
}  // namespace kaj::e2e
