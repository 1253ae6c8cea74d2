// kajcli.exe typing through SendInput into fakeclient.exe windows under Wine, case
// for case as the X11 end-to-end tests type into the X11 stand-in.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "Cp1252.h"
#include "FakeWindowClient.h"
#include "Win32DesktopInput.h"
#include "WindowsProcess.h"

namespace kaj::windows {
namespace {

using kaj::testing::FakeWindowClient;
using kaj::testing::windowsPathOf;

int kajcli(std::vector<std::string> arguments, std::string* errors = nullptr) {
    arguments.insert(arguments.begin(), windowsPathOf(KAJ_KAJCLI));
    return kaj::testing::runProgram(arguments, errors);
}

// Every printable ASCII character, é ü ß ñ and two more Windows-1252 letters, 200
// characters in all, as UTF-8.
std::string everyClassOfCharacter() {
    std::string text;
    for (int c = 0x20; c <= 0x7E; ++c)
        text.push_back(static_cast<char>(c));
    text += "\xE9\xFC\xDF\xF1\x80\xC9";
    while (text.size() < 200)
        text += "Zz9";
    text.resize(200);
    return platform::cp1252ToUtf8(text);
}

TEST(SenderOnWindows, AClientAboveTheConsolesIntegrityLevelIsToldAndNotTypedInto) {
    FakeWindowClient client("Ultima Online");
    const unsigned long console = GetCurrentProcessId();
    // The client's process as an administrator's would be, the console's as a user's.
    platform::win::Win32DesktopInput elevated(
        [console](unsigned long process) -> std::optional<unsigned long> {
            return process == console ? 0x2000 : 0x3000;
        });
    ASSERT_EQ(elevated.activateWindow("Ultima Online"), platform::ActivationOutcome::Activated);
    const auto refused = elevated.typeKeys({platform::KeyStroke::text('a')});
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error,
              "The client runs as administrator; start the console as administrator too");

    platform::win::Win32DesktopInput alike(
        [](unsigned long) -> std::optional<unsigned long> { return 0x2000; });
    ASSERT_EQ(alike.activateWindow("Ultima Online"), platform::ActivationOutcome::Activated);
    EXPECT_TRUE(alike.typeKeys({platform::KeyStroke::text('b')}).ok);
    EXPECT_EQ(client.waitForLog(1), "b");
}

TEST(SenderOnWindows, TheFourRowsOfTheSendersTableArriveAsKeys) {
    FakeWindowClient client("Ultima Online");
    EXPECT_EQ(kajcli({"send", "--enter", "kill"}), 0);
    EXPECT_EQ(kajcli({"send", "--user", "--enter", "kill"}), 0);
    EXPECT_EQ(kajcli({"send", "kill"}), 0);
    EXPECT_EQ(kajcli({"send", "--user", "kill"}), 0);
    const std::string expected = "\n.kill\n\nkill\n\n.kill\nkill";
    EXPECT_EQ(client.waitForLog(expected.size()), expected);
}

TEST(SenderOnWindows, EveryPrintableCharacterAndAccentedLettersArriveAsTyped) {
    FakeWindowClient client("Ultima Online");
    const std::string text = everyClassOfCharacter();
    EXPECT_EQ(kajcli({"send", "--enter", text}), 0);
    const std::string expected = "\n." + text + "\n";
    EXPECT_EQ(client.waitForLog(expected.size()), expected);
}

TEST(SenderOnWindows, AUserCommandTypesNamedKeysAndShortcuts) {
    FakeWindowClient client("Ultima Online");
    EXPECT_EQ(kajcli({"send", "--user", "Hi{TAB}+a^c%f~{F5}{x 3}{%}+(b)"}), 0);
    const std::string expected = "\nHi<TAB>A<Ctrl+c><Alt+f>\n<F5>xxx%B";
    EXPECT_EQ(client.waitForLog(expected.size()), expected);
}

TEST(SenderOnWindows, TwoCommandsInARowEachStartWithEnter) {
    FakeWindowClient client("Ultima Online");
    EXPECT_EQ(kajcli({"send", "goto "}), 0);
    EXPECT_EQ(kajcli({"send", "where"}), 0);
    const std::string expected = "\n.goto \n.where";
    EXPECT_EQ(client.waitForLog(expected.size()), expected);
}

TEST(SenderOnWindows, AClientTitledWithACharacterNameIsFoundByPrefix) {
    FakeWindowClient client("Ultima Online - Bob");
    EXPECT_EQ(kajcli({"send", "--enter", "info"}), 0);
    EXPECT_EQ(client.waitForLog(7), "\n.info\n");
}

TEST(SenderOnWindows, TheExactTitleIsPreferred) {
    FakeWindowClient named("Ultima Online - Bob");
    FakeWindowClient exact("Ultima Online");
    EXPECT_EQ(kajcli({"send", "info"}), 0);
    EXPECT_EQ(exact.waitForLog(6), "\n.info");
    EXPECT_EQ(named.log(), "");
}

TEST(SenderOnWindows, WithoutAClientTheUserIsToldAndNothingIsTyped) {
    FakeWindowClient other("Notepad - Ultima Online");
    std::string errors;
    EXPECT_EQ(kajcli({"send", "--user", "--enter", "kill"}, &errors), 1);
    EXPECT_EQ(errors, "UO Client is not running!\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(other.log(), "");
}

}  // namespace
}  // namespace kaj::windows
