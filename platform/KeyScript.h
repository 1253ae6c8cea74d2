#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kaj::platform {

// Keys that the keystroke notation names in braces ("{ENTER}", "{F5}").
enum class NamedKey : std::uint8_t {
    Enter,
    Tab,
    Backspace,
    Delete,
    Insert,
    Home,
    End,
    PageUp,
    PageDown,
    Up,
    Down,
    Left,
    Right,
    Escape,
    Break,
    CapsLock,
    NumLock,
    ScrollLock,
    PrintScreen,
    Help,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    F13,
    F14,
    F15,
    F16,
};

namespace modifier {
constexpr std::uint8_t kShift = 1;
constexpr std::uint8_t kControl = 2;
constexpr std::uint8_t kAlt = 4;
}  // namespace modifier

// One key to press: a character (typed as itself) or a named key, with the
// modifiers held while it is pressed.
struct KeyStroke {
    bool isNamed = false;
    char32_t character = 0;
    NamedKey key = NamedKey::Enter;
    std::uint8_t modifiers = 0;

    static KeyStroke text(char32_t c, std::uint8_t mods = 0) {
        return {false, c, NamedKey::Enter, mods};
    }
    static KeyStroke named(NamedKey k, std::uint8_t mods = 0) { return {true, 0, k, mods}; }
    bool operator==(const KeyStroke&) const = default;
};

struct KeyScriptError {
    std::size_t position = 0;  // 1-based character position in the script
    std::string problem;       // e.g. "unknown key name {FOO}"
};

struct ParsedKeyScript {
    std::vector<KeyStroke> strokes;
    std::optional<KeyScriptError> error;
    bool ok() const { return !error.has_value(); }
};

// The largest repeat count "{key n}" types; larger counts are capped to it.
constexpr unsigned kMaxKeyRepeat = 255;

// Parses the SendKeys notation of a Windows-1252 script. Never throws: malformed
// notation yields an error naming the position, and no strokes.
ParsedKeyScript parseKeyScript(std::string_view script);

// Makes text type literally: every notation character is put in braces.
std::string escapeKeyScript(std::string_view literalText);

// The canonical name as written in braces ("ENTER", "PGUP", "F12").
std::string_view namedKeyName(NamedKey key);

}  // namespace kaj::platform
