#include "KeyScript.h"

#include <array>
#include <utility>

#include "Cp1252.h"
#include "FileLookup.h"

namespace kaj::platform {
namespace {

struct KeyNameEntry {
    std::string_view name;
    NamedKey key;
};

constexpr std::array<KeyNameEntry, 43> kKeyNames = {{
    {"ENTER", NamedKey::Enter},
    {"TAB", NamedKey::Tab},
    {"BACKSPACE", NamedKey::Backspace},
    {"BS", NamedKey::Backspace},
    {"BKSP", NamedKey::Backspace},
    {"DELETE", NamedKey::Delete},
    {"DEL", NamedKey::Delete},
    {"INSERT", NamedKey::Insert},
    {"INS", NamedKey::Insert},
    {"HOME", NamedKey::Home},
    {"END", NamedKey::End},
    {"PGUP", NamedKey::PageUp},
    {"PGDN", NamedKey::PageDown},
    {"UP", NamedKey::Up},
    {"DOWN", NamedKey::Down},
    {"LEFT", NamedKey::Left},
    {"RIGHT", NamedKey::Right},
    {"ESC", NamedKey::Escape},
    {"BREAK", NamedKey::Break},
    {"CAPSLOCK", NamedKey::CapsLock},
    {"NUMLOCK", NamedKey::NumLock},
    {"SCROLLLOCK", NamedKey::ScrollLock},
    {"PRTSC", NamedKey::PrintScreen},
    {"HELP", NamedKey::Help},
    {"F1", NamedKey::F1},
    {"F2", NamedKey::F2},
    {"F3", NamedKey::F3},
    {"F4", NamedKey::F4},
    {"F5", NamedKey::F5},
    {"F6", NamedKey::F6},
    {"F7", NamedKey::F7},
    {"F8", NamedKey::F8},
    {"F9", NamedKey::F9},
    {"F10", NamedKey::F10},
    {"F11", NamedKey::F11},
    {"F12", NamedKey::F12},
    {"F13", NamedKey::F13},
    {"F14", NamedKey::F14},
    {"F15", NamedKey::F15},
    {"F16", NamedKey::F16},
    {"ESCAPE", NamedKey::Escape},
    {"RETURN", NamedKey::Enter},
    {"PRINT", NamedKey::PrintScreen},
}};

constexpr int kMaxGroupDepth = 32;

constexpr std::string_view kNotationCharacters = "+^%~(){}[]";

std::optional<NamedKey> lookUpKeyName(std::string_view name) {
    for (const auto& entry : kKeyNames) {
        if (platform::equalsIgnoringAsciiCase(entry.name, name)) {
            return entry.key;
        }
    }
    return std::nullopt;
}

class Parser {
  public:
    explicit Parser(std::string_view script) : script_(script) {}

    ParsedKeyScript run() {
        ParsedKeyScript result;
        parseSequence(0, 0);
        if (error_) {
            result.error = std::move(error_);
        } else {
            result.strokes = std::move(strokes_);
        }
        return result;
    }

  private:
    // Parses until the end, or until the ')' that closes a group when depth > 0.
    // Returns whether that ')' was found.
    bool parseSequence(int depth, std::uint8_t heldModifiers) {
        std::uint8_t pending = 0;
        std::size_t pendingAt = 0;
        while (pos_ < script_.size() && !error_) {
            const char c = script_[pos_];
            switch (c) {
                case '+':
                case '^':
                case '%':
                    if (pending == 0) {
                        pendingAt = pos_;
                    }
                    pending |= c == '+'   ? modifier::kShift
                               : c == '^' ? modifier::kControl
                                          : modifier::kAlt;
                    ++pos_;
                    continue;
                case '(': {
                    const std::size_t openedAt = pos_;
                    if (depth >= kMaxGroupDepth) {
                        fail(openedAt, "groups nested too deeply");
                        return false;
                    }
                    ++pos_;
                    const bool closed = parseSequence(depth + 1, heldModifiers | pending);
                    if (!closed) {
                        fail(openedAt, "'(' without a closing ')'");
                    }
                    break;
                }
                case ')':
                    if (pending != 0) {
                        fail(pendingAt, "a modifier with no key after it");
                        return false;
                    }
                    if (depth == 0) {
                        fail(pos_, "')' without an opening '('");
                        return false;
                    }
                    ++pos_;
                    return true;
                case '~':
                    strokes_.push_back(KeyStroke::named(NamedKey::Enter, heldModifiers | pending));
                    ++pos_;
                    break;
                case '{':
                    parseBraces(heldModifiers | pending);
                    break;
                case '}':
                    fail(pos_, "'}' without an opening '{'");
                    return false;
                default:
                    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                        fail(pos_, "a control character");
                        return false;
                    }
                    strokes_.push_back(KeyStroke::text(
                        cp1252ToUnicode(static_cast<unsigned char>(c)), heldModifiers | pending));
                    ++pos_;
                    break;
            }
            pending = 0;
        }
        if (!error_ && pending != 0) {
            fail(pendingAt, "a modifier with no key after it");
        }
        return false;
    }

    void parseBraces(std::uint8_t modifiers) {
        const std::size_t openedAt = pos_;
        const std::size_t nameStart = pos_ + 1;
        // "{}}" names the closing brace itself, so the search for the end starts after it.
        const std::size_t searchFrom =
            nameStart < script_.size() && script_[nameStart] == '}' ? nameStart + 1 : nameStart;
        const std::size_t close = script_.find('}', searchFrom);
        if (close == std::string_view::npos) {
            fail(openedAt, "'{' without a closing '}'");
            return;
        }
        std::string_view content = script_.substr(nameStart, close - nameStart);
        pos_ = close + 1;

        unsigned repeat = 1;
        std::string_view name = content;
        const std::size_t blank = content.rfind(' ');
        if (blank != std::string_view::npos && blank > 0 && blank + 1 < content.size()) {
            const std::string_view count = content.substr(blank + 1);
            bool allDigits = true;
            for (char d : count) {
                allDigits = allDigits && d >= '0' && d <= '9';
            }
            if (allDigits) {
                unsigned long value = 0;
                for (char d : count) {
                    value = value * 10 + static_cast<unsigned long>(d - '0');
                    if (value > kMaxKeyRepeat) {
                        value = kMaxKeyRepeat;
                    }
                }
                repeat = static_cast<unsigned>(value);
                name = content.substr(0, blank);
            }
        }

        KeyStroke stroke;
        if (name.size() == 1) {
            const auto byte = static_cast<unsigned char>(name[0]);
            if (byte < 0x20 || byte == 0x7F) {
                fail(openedAt + 1, "a control character");
                return;
            }
            stroke = KeyStroke::text(cp1252ToUnicode(byte), modifiers);
        } else if (const auto key = lookUpKeyName(name)) {
            stroke = KeyStroke::named(*key, modifiers);
        } else {
            fail(openedAt, "unknown key name {" + std::string(name) + "}");
            return;
        }
        strokes_.insert(strokes_.end(), repeat, stroke);
    }

    void fail(std::size_t index, std::string what) {
        if (error_) {
            return;
        }
        error_ = KeyScriptError{index + 1, std::move(what)};
    }

    std::string_view script_;
    std::size_t pos_ = 0;
    std::vector<KeyStroke> strokes_;
    std::optional<KeyScriptError> error_;
};

}  // namespace

ParsedKeyScript parseKeyScript(std::string_view script) {
    return Parser(script).run();
}

std::string escapeKeyScript(std::string_view literalText) {
    std::string out;
    out.reserve(literalText.size());
    for (char c : literalText) {
        if (kNotationCharacters.find(c) != std::string_view::npos) {
            out.push_back('{');
            out.push_back(c);
            out.push_back('}');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string_view namedKeyName(NamedKey key) {
    for (const auto& entry : kKeyNames) {
        if (entry.key == key) {
            return entry.name;
        }
    }
    return "?";
}

}  // namespace kaj::platform
