// The command arrives as written whatever layouts the desktop has and whichever is
// in use, with Caps Lock and Num Lock on or off; the user's group and locks are as
// they were afterwards. The layouts are set on the test's X server with setxkbmap.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "CommandSender.h"
#include "Cp1252.h"
#include "FakeClientProcess.h"
#include "RecordingDialogs.h"
#include "RunProgram.h"
#include "X11DesktopInput.h"

// After gtest and the console's headers: Xlib defines None and Status as macros.
#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace kaj::e2e {
namespace {

using kaj::testing::FakeClientProcess;
using kaj::testing::runProgram;

constexpr const char* kSetxkbmap = "/usr/bin/setxkbmap";

// Letters, an umlaut, every sign a command may hold, the notation's own characters.
const std::string kCommand =
    "setprop name Kr\xE4mer @home [x] {y} \\z |a ~b 0123456789 .,;:!?#$%&*()-_=+/<>'\"";

struct Locks {
    int group = 0;
    bool capsLock = false;
    bool numLock = false;
    bool operator==(const Locks&) const = default;
};

struct KeyboardLayouts : ::testing::Test {
    Display* display = XOpenDisplay(nullptr);
    unsigned numLockMask = 0;

    void SetUp() override {
        ASSERT_NE(display, nullptr);
        numLockMask = XkbKeysymToModifiers(display, XK_Num_Lock);
    }
    void TearDown() override {
        set({0, false, false});
        runProgram({kSetxkbmap, "-layout", "us"});
        XCloseDisplay(display);
    }

    bool useLayouts(const std::string& layouts, const std::string& variants = "") {
        std::vector<std::string> command = {kSetxkbmap, "-layout", layouts};
        if (!variants.empty()) {
            command.push_back("-variant");
            command.push_back(variants);
        }
        return runProgram(command) == 0;
    }
    void set(const Locks& locks) {
        XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(locks.group));
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask | numLockMask,
                         (locks.capsLock ? LockMask : 0u) | (locks.numLock ? numLockMask : 0u));
        XSync(display, False);
    }
    Locks current() {
        XkbStateRec state{};
        XkbGetState(display, XkbUseCoreKbd, &state);
        return {state.locked_group, (state.locked_mods & LockMask) != 0,
                (state.locked_mods & numLockMask) != 0};
    }
};

TEST_F(KeyboardLayouts, EveryLayoutGroupAndLockTypesTheCommandAsWritten) {
    struct Case {
        const char* layouts;
        const char* variants;
        int group;
    };
    const Case cases[] = {
        {"us", "", 0},     {"de", "", 0},    {"fr", "", 0},    {"br", "abnt2", 0},
        {"pl", "", 0},     {"us,ru", "", 1}, {"us,ua", "", 1}, {"de,gr", "", 1},
        {"fr,ara", "", 1}, {"ru,us", "", 0}, {"de,ru", "", 1},
    };
    const std::string expected = "\n." + platform::cp1252ToUtf8(kCommand) + "\n";
    for (const auto& c : cases) {
        ASSERT_TRUE(useLayouts(c.layouts, c.variants)) << c.layouts;
        for (bool capsLock : {false, true}) {
            const Locks before{c.group, capsLock, !capsLock};
            set(before);
            FakeClientProcess client("Ultima Online");
            platform::x11::X11DesktopInput desktop;
            platform::RecordingDialogs dialogs;
            console::CommandSender sender{desktop, dialogs, {}};
            bool userCommand = false;
            sender.SendCommand(kCommand, userCommand, true);
            EXPECT_EQ(client.waitForLog(expected.size()), expected)
                << c.layouts << " group " << c.group << (capsLock ? " Caps Lock" : "");
            EXPECT_TRUE(dialogs.messages.empty()) << c.layouts;
            EXPECT_EQ(current(), before) << c.layouts << (capsLock ? " Caps Lock" : "");
        }
    }
}

TEST_F(KeyboardLayouts, ACharacterTheKeyboardCannotGiveStopsTheCommandBeforeAnyKey) {
    // "us" has no "\xE9"; a keymap whose every key carries a symbol has no key to lend.
    ASSERT_TRUE(useLayouts("us"));
    int first = 0;
    int last = 0;
    XDisplayKeycodes(display, &first, &last);
    int perCode = 0;
    KeySym* symbols =
        XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &perCode);
    ASSERT_NE(symbols, nullptr);
    for (int code = first; code <= last; ++code) {
        bool empty = true;
        for (int level = 0; level < perCode; ++level) {
            empty = empty && symbols[(code - first) * perCode + level] == NoSymbol;
        }
        if (empty) {
            KeySym filler[1] = {XK_F35};
            XChangeKeyboardMapping(display, code, 1, filler, 1);
        }
    }
    XFree(symbols);
    XSync(display, False);

    FakeClientProcess client("Ultima Online");
    std::string errors;
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "send", "--enter", "say caf\xC3\xA9 au lait"}, &errors), 1);
    // kajcli prints the console's 8-bit text as it is.
    EXPECT_NE(errors.find("cannot give the character \"\xE9\" (U+00E9)"), std::string::npos)
        << errors;
    EXPECT_NE(errors.find("nothing was typed"), std::string::npos) << errors;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(client.log(), "");
    EXPECT_EQ(current(), (Locks{0, false, false}));
}

}  // namespace
}  // namespace kaj::e2e
