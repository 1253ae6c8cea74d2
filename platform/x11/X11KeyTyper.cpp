#include "X11KeyTyper.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdio>
#include <map>
#include <optional>
#include <thread>

#include "Cp1252.h"
#include "KeySymbols.h"
#include "X11ErrorTrap.h"
#include "X11Keyboard.h"
#include "X11WindowActivator.h"

namespace kaj::platform::x11 {
namespace {

// The keys that set each real modifier the typing may hold.
std::vector<std::pair<unsigned, KeyCode>> modifierKeys(Display* display, unsigned levelThree) {
    const std::pair<unsigned, KeySym> symbols[] = {{ShiftMask, XK_Shift_L},
                                                   {ControlMask, XK_Control_L},
                                                   {Mod1Mask, XK_Alt_L},
                                                   {levelThree, XK_ISO_Level3_Shift}};
    std::vector<std::pair<unsigned, KeyCode>> keys;
    for (const auto& [mask, symbol] : symbols) {
        const KeyCode code = mask != 0 ? XKeysymToKeycode(display, symbol) : KeyCode{0};
        if (code != 0) {
            keys.emplace_back(mask, code);
        }
    }
    return keys;
}

// Holds modifier keys down as the plan asks and releases them at the end, also when
// typing stops early. Each real modifier is held through one key that sets it.
class ModifierGuard {
  public:
    ModifierGuard(Display* display, const std::vector<std::pair<unsigned, KeyCode>>& keys)
        : display_(display) {
        for (const auto& [mask, code] : keys) {
            keys_.push_back({mask, code});
        }
    }
    ~ModifierGuard() {
        set(0);
        XSync(display_, False);
    }
    ModifierGuard(const ModifierGuard&) = delete;
    ModifierGuard& operator=(const ModifierGuard&) = delete;

    void set(unsigned wanted) {
        for (auto& key : keys_) {
            const bool want = (wanted & key.mask) != 0;
            if (want != key.held) {
                XTestFakeKeyEvent(display_, key.code, want ? True : False, CurrentTime);
                key.held = want;
            }
        }
    }

  private:
    struct Key {
        unsigned mask;
        KeyCode code;
        bool held = false;
    };
    Display* display_;
    std::vector<Key> keys_;
};

// Clears the locked modifiers that would change the text (Caps Lock above all) for
// the typing, and gives the user back their group and locks at the end.
class LockGuard {
  public:
    LockGuard(Display* display, const KeyboardLocks& user, unsigned cleared)
        : display_(display), user_(user), cleared_(cleared), group_(user.group) {
        if (cleared_ != 0) {
            XkbLockModifiers(display_, XkbUseCoreKbd, cleared_, 0);
        }
    }
    ~LockGuard() {
        if (group_ != user_.group) {
            XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>(user_.group));
        }
        if (cleared_ != 0) {
            XkbLockModifiers(display_, XkbUseCoreKbd, cleared_, cleared_);
        }
        XSync(display_, False);
    }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

    int switches() const { return switches_; }
    void lockGroup(int group) {
        if (group != group_) {
            XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>(group));
            group_ = group;
            ++switches_;
        }
    }

  private:
    Display* display_;
    KeyboardLocks user_;
    unsigned cleared_;
    int group_;
    int switches_ = 0;
};

// Lends spare keys to the symbols no group holds, all before the first key is
// pressed, and gives them back at the end, after the target had time to read them.
class SpareKeyLender {
  public:
    SpareKeyLender(Display* display, std::chrono::milliseconds settle)
        : display_(display), settle_(settle) {}
    ~SpareKeyLender() {
        if (lent_.empty()) {
            return;
        }
        XSync(display_, False);
        std::this_thread::sleep_for(settle_);
        for (const auto& [code, symbol] : lent_) {
            KeySym none[2] = {NoSymbol, NoSymbol};
            XChangeKeyboardMapping(display_, static_cast<int>(code), 2, none, 1);
        }
        XSync(display_, False);
    }
    SpareKeyLender(const SpareKeyLender&) = delete;
    SpareKeyLender& operator=(const SpareKeyLender&) = delete;

    void lend(int code, KeySym symbol) {
        if (lent_.contains(code)) {
            return;
        }
        KeySym both[2] = {symbol, symbol};
        XChangeKeyboardMapping(display_, code, 2, both, 1);
        lent_.emplace(code, symbol);
    }

  private:
    Display* display_;
    std::chrono::milliseconds settle_;
    std::map<int, KeySym> lent_;
};

unsigned realModifiers(std::uint8_t notation) {
    return ((notation & modifier::kShift) ? ShiftMask : 0u) |
           ((notation & modifier::kControl) ? ControlMask : 0u) |
           ((notation & modifier::kAlt) ? Mod1Mask : 0u);
}

std::string unreachableMessage(const KeyStroke& stroke) {
    if (stroke.isNamed) {
        return "the keyboard has no key {" + std::string(namedKeyName(stroke.key)) +
               "}, so nothing was typed";
    }
    std::string shown;
    if (const auto byte = unicodeToCp1252(stroke.character)) {
        shown.push_back(static_cast<char>(*byte));
    }
    char codePoint[16];
    std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(stroke.character));
    return "the keyboard cannot give the character \"" + shown + "\" (" + codePoint +
           "): no layout of this desktop holds it and no spare key is free to lend it, so "
           "nothing was typed";
}

}  // namespace

X11KeyTyper::X11KeyTyper(Display* display, TypingTimings timings)
    : display_(display), timings_(timings) {}

TypingOutcome X11KeyTyper::type(const std::vector<KeyStroke>& strokes, Window target) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor)) {
        return {false, "the X server has no XTest extension"};
    }
    X11ErrorTrap trap(display_);
    const KeyboardMap keyboard = readKeyboardMap(display_);
    const KeyboardLocks user = readKeyboardLocks(display_);
    const unsigned numLock = numLockModifier(display_);

    std::vector<WantedKey> wanted;
    wanted.reserve(strokes.size());
    for (const auto& stroke : strokes) {
        // The notation's Shift ("+a") shifts the key that gives the character, as a
        // person's would: the key is chosen without it.
        WantedKey key;
        key.heldModifiers = realModifiers(stroke.modifiers & ~modifier::kShift);
        if (stroke.isNamed) {
            key.symbols.push_back(keySymbolForNamedKey(stroke.key));
        } else {
            for (auto symbol : keySymbolsForCharacter(stroke.character)) {
                key.symbols.push_back(symbol);
            }
        }
        wanted.push_back(std::move(key));
    }
    // Every key is chosen before the first is pressed: a command the keyboard cannot
    // type is not typed at all.
    KeyPlan plan = planKeys(keyboard, user.group, user.modifiers & numLock, wanted);
    if (plan.unreachable) {
        return {false, unreachableMessage(strokes[*plan.unreachable])};
    }
    for (std::size_t i = 0; i < plan.keys.size(); ++i) {
        if (strokes[i].modifiers & modifier::kShift) {
            plan.keys[i].heldModifiers |= ShiftMask;
        }
    }
    const auto modifierCodes = modifierKeys(display_, keyboard.levelThreeModifier);
    unsigned holdable = 0;
    for (const auto& [mask, code] : modifierCodes) {
        holdable |= mask;
    }
    for (const auto& key : plan.keys) {
        if ((key.heldModifiers & ~holdable) != 0) {
            return {false, "the keyboard map lacks a modifier key, so nothing was typed"};
        }
    }

    SpareKeyLender lender(display_, timings_.beforeRestoringMapping);
    for (const auto& key : plan.keys) {
        if (key.lent) {
            lender.lend(key.code, key.lentSymbol);
        }
    }
    XSync(display_, False);
    LockGuard locks(display_, user, user.modifiers & ~numLock);
    ModifierGuard modifiers(display_, modifierCodes);

    std::size_t typed = 0;
    for (const auto& key : plan.keys) {
        if (target != 0 && !windowHasFocus(display_, target)) {
            return {false, "the window lost the keyboard focus after " + std::to_string(typed) +
                               " of " + std::to_string(strokes.size()) + " keys"};
        }
        modifiers.set(key.heldModifiers);
        locks.lockGroup(key.group);
        XTestFakeKeyEvent(display_, static_cast<unsigned>(key.code), True, CurrentTime);
        XTestFakeKeyEvent(display_, static_cast<unsigned>(key.code), False, CurrentTime);
        XFlush(display_);
        std::this_thread::sleep_for(timings_.betweenStrokes);
        ++typed;
    }
    modifiers.set(0);
    XSync(display_, False);
    if (trap.errorCount() > 0) {
        return {false, "the X server refused a key event (error " +
                           std::to_string(trap.lastErrorCode()) + ")"};
    }
    return {};
}

}  // namespace kaj::platform::x11
