#include "X11KeyTyper.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <map>
#include <optional>
#include <thread>

#include "KeySymbols.h"
#include "X11ErrorTrap.h"
#include "X11WindowActivator.h"

namespace kaj::platform::x11 {
namespace {

struct KeyPlacement {
    KeyCode code = 0;
    bool needsShift = false;
};

// A copy of the core keymap, with the keycodes that carry no symbol at all.
class KeymapView {
  public:
    explicit KeymapView(Display* display) {
        XDisplayKeycodes(display, &minCode_, &maxCode_);
        KeySym* symbols = XGetKeyboardMapping(display, static_cast<KeyCode>(minCode_),
                                              maxCode_ - minCode_ + 1, &perCode_);
        if (symbols != nullptr) {
            symbols_.assign(symbols, symbols + (maxCode_ - minCode_ + 1) * perCode_);
            XFree(symbols);
        }
    }

    std::optional<KeyPlacement> find(KeySym symbol) const {
        for (int level = 0; level < 2 && level < perCode_; ++level) {
            for (int code = minCode_; code <= maxCode_; ++code) {
                if (at(code, level) == symbol) {
                    return KeyPlacement{static_cast<KeyCode>(code), level == 1};
                }
            }
        }
        return std::nullopt;
    }

    std::vector<KeyCode> spareCodes() const {
        std::vector<KeyCode> spare;
        // Keep away from the lowest codes, which some servers reserve.
        for (int code = maxCode_; code >= minCode_ && code > 8; --code) {
            bool empty = true;
            for (int level = 0; level < perCode_; ++level) {
                empty = empty && at(code, level) == NoSymbol;
            }
            if (empty) {
                spare.push_back(static_cast<KeyCode>(code));
            }
        }
        return spare;
    }

  private:
    KeySym at(int code, int level) const {
        const auto index = static_cast<std::size_t>((code - minCode_) * perCode_ + level);
        return index < symbols_.size() ? symbols_[index] : NoSymbol;
    }

    int minCode_ = 8;
    int maxCode_ = 255;
    int perCode_ = 0;
    std::vector<KeySym> symbols_;
};

// Holds the modifier keys down as the strokes ask and releases them at the end,
// also when typing stops early.
class ModifierGuard {
  public:
    explicit ModifierGuard(Display* display) : display_(display) {
        codes_[0] = XKeysymToKeycode(display, XK_Shift_L);
        codes_[1] = XKeysymToKeycode(display, XK_Control_L);
        codes_[2] = XKeysymToKeycode(display, XK_Alt_L);
    }
    ~ModifierGuard() {
        set(0);
        XSync(display_, False);
    }
    ModifierGuard(const ModifierGuard&) = delete;
    ModifierGuard& operator=(const ModifierGuard&) = delete;

    bool available(std::uint8_t wanted) const {
        for (int bit = 0; bit < 3; ++bit) {
            if ((wanted & (1 << bit)) && codes_[bit] == 0) {
                return false;
            }
        }
        return true;
    }

    void set(std::uint8_t wanted) {
        for (int bit = 0; bit < 3; ++bit) {
            const bool want = (wanted & (1 << bit)) != 0;
            const bool held = (held_ & (1 << bit)) != 0;
            if (want != held && codes_[bit] != 0) {
                XTestFakeKeyEvent(display_, codes_[bit], want ? True : False, CurrentTime);
            }
        }
        held_ = wanted;
    }

  private:
    Display* display_;
    KeyCode codes_[3] = {0, 0, 0};
    std::uint8_t held_ = 0;
};

// Lends spare keycodes to symbols the keymap lacks and gives them back, after the
// target had time to read the mapping, when they run out and at the end.
class SpareKeyLender {
  public:
    SpareKeyLender(Display* display, std::vector<KeyCode> spare, std::chrono::milliseconds settle)
        : display_(display), spare_(std::move(spare)), settle_(settle) {}
    ~SpareKeyLender() { restoreAll(); }
    SpareKeyLender(const SpareKeyLender&) = delete;
    SpareKeyLender& operator=(const SpareKeyLender&) = delete;

    std::optional<KeyCode> lend(KeySym symbol) {
        if (auto it = lent_.find(symbol); it != lent_.end()) {
            return it->second;
        }
        if (spare_.empty()) {
            return std::nullopt;
        }
        if (lent_.size() == spare_.size()) {
            restoreAll();
        }
        const KeyCode code = spare_[lent_.size()];
        KeySym both[2] = {symbol, symbol};
        XChangeKeyboardMapping(display_, code, 2, both, 1);
        XSync(display_, False);
        lent_.emplace(symbol, code);
        return code;
    }

  private:
    void restoreAll() {
        if (lent_.empty()) {
            return;
        }
        XSync(display_, False);
        std::this_thread::sleep_for(settle_);
        for (const auto& [symbol, code] : lent_) {
            KeySym none[2] = {NoSymbol, NoSymbol};
            XChangeKeyboardMapping(display_, code, 2, none, 1);
        }
        XSync(display_, False);
        lent_.clear();
    }

    Display* display_;
    std::vector<KeyCode> spare_;
    std::chrono::milliseconds settle_;
    std::map<KeySym, KeyCode> lent_;
};

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
    const KeymapView keymap(display_);
    SpareKeyLender lender(display_, keymap.spareCodes(), timings_.beforeRestoringMapping);
    ModifierGuard modifiers(display_);

    std::size_t typed = 0;
    for (const auto& stroke : strokes) {
        if (target != 0 && !windowHasFocus(display_, target)) {
            return {false, "the window lost the keyboard focus after " + std::to_string(typed) +
                               " of " + std::to_string(strokes.size()) + " keys"};
        }
        std::optional<KeyPlacement> placement;
        std::vector<KeySym> candidates;
        if (stroke.isNamed) {
            candidates.push_back(keySymbolForNamedKey(stroke.key));
        } else {
            for (auto symbol : keySymbolsForCharacter(stroke.character)) {
                candidates.push_back(symbol);
            }
        }
        for (auto symbol : candidates) {
            placement = keymap.find(symbol);
            if (placement) {
                break;
            }
        }
        if (!placement) {
            const auto code = lender.lend(candidates.front());
            if (!code) {
                return {false, "the keyboard map has no spare keycode for a character"};
            }
            placement = KeyPlacement{*code, false};
        }
        const std::uint8_t wanted =
            stroke.modifiers | (placement->needsShift ? modifier::kShift : std::uint8_t{0});
        if (!modifiers.available(wanted)) {
            return {false, "the keyboard map lacks a modifier key"};
        }
        modifiers.set(wanted);
        XTestFakeKeyEvent(display_, placement->code, True, CurrentTime);
        XTestFakeKeyEvent(display_, placement->code, False, CurrentTime);
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
