#include "CommandSender.h"

#include <gtest/gtest.h>

#include "RecordingDesktopInput.h"
#include "RecordingDialogs.h"

namespace kaj::console {
namespace {

using platform::RecordingDesktopInput;
using platform::RecordingDialogs;

struct SenderFixture : ::testing::Test {
    RecordingDesktopInput desktop;
    RecordingDialogs dialogs;
    int eventRuns = 0;
    CommandSender sender{desktop, dialogs, [this] { ++eventRuns; }};
    bool userCommand = false;

    SenderFixture() { desktop.windowTitles = {"Kajmar Console", "Ultima Online"}; }
};

TEST(BuildKeyScript, TheFourScriptsOfOptionAndUserCommand) {
    EXPECT_EQ(buildKeyScript("kill", false, true), "{ENTER}.kill{ENTER}");
    EXPECT_EQ(buildKeyScript("kill", true, true), "{ENTER}kill{ENTER}");
    EXPECT_EQ(buildKeyScript("kill", false, false), "{ENTER}.kill");
    EXPECT_EQ(buildKeyScript("kill", true, false), "{ENTER}kill");
    EXPECT_EQ(buildKeyScript("", false, false), "{ENTER}.");
    EXPECT_EQ(buildKeyScript("", false, true), "{ENTER}.{ENTER}");
    EXPECT_EQ(buildKeyScript("bcast 50% (x)", false, false), "{ENTER}.bcast 50{%} {(}x{)}");
    EXPECT_EQ(buildKeyScript("a+b", true, false), "{ENTER}a+b");
}

TEST_F(SenderFixture, TypesEnterDotCommandAndTheOptionalEnterIntoTheClient) {
    sender.SendCommand("goto ", userCommand, false);
    sender.SendCommand("kill", userCommand, true);
    EXPECT_EQ(desktop.typedText(), "\n.goto \n.kill\n");
    EXPECT_EQ(desktop.activationRequests,
              (std::vector<std::string>{"Ultima Online", "Ultima Online"}));
    EXPECT_EQ(desktop.activeWindow, "Ultima Online");
    EXPECT_EQ(eventRuns, 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SenderFixture, CatalogueTextIsTypedLiterallyWhateverNotationItHolds) {
    sender.SendCommand("bcast 50% off (today) ~ all {x} +^ [y]", userCommand, true);
    EXPECT_EQ(desktop.typedText(), "\n.bcast 50% off (today) ~ all {x} +^ [y]\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SenderFixture, AUserCommandKeepsItsNotationAndIsTypedWithoutTheDotOnce) {
    userCommand = true;
    sender.SendCommand("Hi{ENTER}+a", userCommand, false);
    EXPECT_FALSE(userCommand);
    sender.SendCommand("where", userCommand, false);
    EXPECT_EQ(desktop.typedText(), "\nHi\n<Shift+a>\n.where");
}

TEST_F(SenderFixture, NoClientMeansOneMessageNothingTypedAndTheFlagCleared) {
    desktop.windowTitles = {"Kajmar Console", "Ultima"};
    userCommand = true;
    sender.SendCommand("kill", userCommand, true);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"UO Client is not running!"});
    EXPECT_TRUE(desktop.typed.empty());
    EXPECT_FALSE(userCommand);
    EXPECT_EQ(eventRuns, 0);
}

TEST_F(SenderFixture, TheClientIsFoundByATitleThatBeginsWithItsName) {
    desktop.windowTitles = {"Ultima Online - Bob"};
    sender.SendCommand("info", userCommand, false);
    EXPECT_EQ(desktop.activeWindow, "Ultima Online - Bob");
    desktop.windowTitles = {"Ultima Online - Bob", "Ultima Online"};
    sender.SendCommand("info", userCommand, false);
    EXPECT_EQ(desktop.activeWindow, "Ultima Online");
}

TEST_F(SenderFixture, AMalformedUserCommandSaysWhatIsWrongAndTypesNothing) {
    userCommand = true;
    sender.SendCommand("say {FOO}", userCommand, true);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{
                  "The user command cannot be typed: unknown key name {FOO} at character 5."});
    EXPECT_TRUE(desktop.activationRequests.empty());
    EXPECT_TRUE(desktop.typed.empty());
    EXPECT_FALSE(userCommand);
}

TEST_F(SenderFixture, AClientThatDoesNotTakeTheFocusGetsNoKeys) {
    desktop.failFocus = true;
    sender.SendCommand("kill", userCommand, false);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("nothing was typed"), std::string::npos);
    EXPECT_TRUE(desktop.typed.empty());
}

TEST_F(SenderFixture, WithoutADesktopTheCauseIsToldNotAMissingClient) {
    desktop.noDesktop = "Cannot reach the X display :7: the X server is not running.";
    userCommand = true;
    sender.SendCommand("kill", userCommand, false);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{desktop.noDesktop});
    EXPECT_TRUE(desktop.typed.empty());
    EXPECT_FALSE(userCommand);
}

}  // namespace
}  // namespace kaj::console

namespace kaj::console {
namespace {

struct TargetFixture : ::testing::Test {
    platform::RecordingDesktopInput desktop;
    platform::RecordingDialogs dialogs;
    ClientTarget target;
    CommandSender sender{desktop, dialogs, {}, [this] { return target; }};
    bool userCommand = false;

    TargetFixture() {
        const char* cuo = "ClassicUO.bin.x86_64";
        desktop.windows = {
            {11, "ClassicUO - GitHub - Browser", "firefox", 500, "firefox-bin"},
            {12, "Bob - ClassicUO - 1.1.0.999", cuo, 600, "ClassicUO.bin.x"},
            {13, "Alice - ClassicUO - 1.1.0.999", cuo, 700, "ClassicUO.bin.x"},
            {14, "Ultima Online - Carl", "Wine", 800, "client.exe"},
        };
    }
};

TEST_F(TargetFixture, TheRuleDecidesWhichWindowsCountAndTheBestIsTakenUnlessOneWasChosen) {
    sender.SendCommand("where", userCommand, false);
    EXPECT_EQ(desktop.activeWindowId, 14u);  // classic, as before
    target.rule = {platform::ClientKind::ClassicUO, {}};
    sender.SendCommand("where", userCommand, false);
    EXPECT_EQ(desktop.activeWindowId, 12u);
    target.chosenWindow = 13;
    sender.SendCommand("where", userCommand, false);
    EXPECT_EQ(desktop.activeWindowId, 13u);
    target.launchedProcess = 600;  // the launcher's client goes first
    sender.SendCommand("where", userCommand, false);
    EXPECT_EQ(desktop.activeWindowId, 12u);
    EXPECT_EQ(
        desktop.activationRequests,
        (std::vector<std::string>{"Ultima Online - Carl", "Bob - ClassicUO - 1.1.0.999",
                                  "Alice - ClassicUO - 1.1.0.999", "Bob - ClassicUO - 1.1.0.999"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TargetFixture, ABrowserTabNamedAfterClassicUOIsNeverTypedInto) {
    desktop.windows.erase(desktop.windows.begin() + 1, desktop.windows.begin() + 3);
    target.rule = {platform::ClientKind::ClassicUO, {}};
    sender.SendCommand("kill", userCommand, false);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"UO Client is not running!"});
    EXPECT_TRUE(desktop.activationRequests.empty());
    EXPECT_EQ(*clientWindows(desktop, {platform::ClientKind::Custom, "ClassicUO"}),
              std::vector<platform::ListedWindow>{desktop.windows[0]});
}

}  // namespace
}  // namespace kaj::console
