#include "KeyScript.h"

#include <gtest/gtest.h>

#include "Cp1252.h"

namespace kaj::platform {
namespace {

using M = std::uint8_t;
constexpr M S = modifier::kShift;
constexpr M C = modifier::kControl;
constexpr M A = modifier::kAlt;

std::vector<KeyStroke> strokes(std::string_view script) {
    auto parsed = parseKeyScript(script);
    EXPECT_TRUE(parsed.ok()) << script << ": " << (parsed.error ? parsed.error->problem : "");
    return parsed.strokes;
}

KeyScriptError errorOf(std::string_view script) {
    auto parsed = parseKeyScript(script);
    EXPECT_FALSE(parsed.ok()) << script;
    EXPECT_TRUE(parsed.strokes.empty()) << script;
    return parsed.error.value_or(KeyScriptError{});
}

TEST(KeyScript, PlainCharactersTypeThemselvesIncludingWindows1252) {
    EXPECT_EQ(strokes("ab 1"), (std::vector{KeyStroke::text('a'), KeyStroke::text('b'),
                                            KeyStroke::text(' '), KeyStroke::text('1')}));
    // é (0xE9) and € (0x80) arrive as their Unicode characters.
    EXPECT_EQ(strokes("\xE9\x80"), (std::vector{KeyStroke::text(0xE9), KeyStroke::text(0x20AC)}));
    EXPECT_TRUE(strokes("").empty());
}

TEST(KeyScript, EveryNamedKeyAndAliasIsKnownInAnyCase) {
    const std::vector<std::pair<std::string, NamedKey>> names = {
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
    };
    for (const auto& [name, key] : names) {
        EXPECT_EQ(strokes("{" + name + "}"), std::vector{KeyStroke::named(key)}) << name;
        std::string lower = name;
        for (auto& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(strokes("{" + lower + "}"), std::vector{KeyStroke::named(key)}) << lower;
    }
    for (int f = 1; f <= 16; ++f) {
        const auto key = static_cast<NamedKey>(static_cast<int>(NamedKey::F1) + f - 1);
        std::string name = "F";
        name += std::to_string(f);
        EXPECT_EQ(strokes("{" + name + "}"), std::vector{KeyStroke::named(key)});
        EXPECT_EQ(namedKeyName(key), name);
    }
    EXPECT_EQ(errorOf("{F17}").problem, "unknown key name {F17}");
}

TEST(KeyScript, TildeIsEnter) {
    EXPECT_EQ(strokes("a~"),
              (std::vector{KeyStroke::text('a'), KeyStroke::named(NamedKey::Enter)}));
}

TEST(KeyScript, ModifiersApplyToTheNextKeyOnly) {
    EXPECT_EQ(strokes("+ab"), (std::vector{KeyStroke::text('a', S), KeyStroke::text('b')}));
    EXPECT_EQ(strokes("^c"), std::vector{KeyStroke::text('c', C)});
    EXPECT_EQ(strokes("%f"), std::vector{KeyStroke::text('f', A)});
    EXPECT_EQ(strokes("+^%{DEL}"), std::vector{KeyStroke::named(NamedKey::Delete, S | C | A)});
    EXPECT_EQ(strokes("^~"), std::vector{KeyStroke::named(NamedKey::Enter, C)});
    EXPECT_EQ(strokes("++a"), std::vector{KeyStroke::text('a', S)});
}

TEST(KeyScript, ModifiersHoldAcrossAGroupAndNestedGroups) {
    EXPECT_EQ(strokes("+(ab)c"), (std::vector{KeyStroke::text('a', S), KeyStroke::text('b', S),
                                              KeyStroke::text('c')}));
    EXPECT_EQ(strokes("^(a%(b)c)"),
              (std::vector{KeyStroke::text('a', C), KeyStroke::text('b', C | A),
                           KeyStroke::text('c', C)}));
    EXPECT_EQ(strokes("(ab)"), (std::vector{KeyStroke::text('a'), KeyStroke::text('b')}));
    EXPECT_TRUE(strokes("+()").empty());
}

TEST(KeyScript, BracesEscapeEveryNotationCharacter) {
    for (char c : std::string("+^%~(){}[]")) {
        const std::string script = std::string("{") + c + "}";
        EXPECT_EQ(strokes(script), std::vector{KeyStroke::text(static_cast<char32_t>(c))})
            << script;
    }
    EXPECT_EQ(strokes("+{+}"), std::vector{KeyStroke::text('+', S)});
    // Bare square brackets have no meaning of their own.
    EXPECT_EQ(strokes("[x]"),
              (std::vector{KeyStroke::text('['), KeyStroke::text('x'), KeyStroke::text(']')}));
}

TEST(KeyScript, RepeatCountsAreHonouredAndCapped) {
    EXPECT_EQ(strokes("{a 3}"), std::vector<KeyStroke>(3, KeyStroke::text('a')));
    EXPECT_EQ(strokes("{ENTER 2}"), std::vector<KeyStroke>(2, KeyStroke::named(NamedKey::Enter)));
    EXPECT_EQ(strokes("{} 2}"), std::vector<KeyStroke>(2, KeyStroke::text('}')));
    EXPECT_EQ(strokes("{{ 2}"), std::vector<KeyStroke>(2, KeyStroke::text('{')));
    EXPECT_EQ(strokes("+{x 2}"), std::vector<KeyStroke>(2, KeyStroke::text('x', S)));
    EXPECT_TRUE(strokes("{a 0}").empty());
    EXPECT_EQ(strokes("{a 99999999999999999999}").size(), kMaxKeyRepeat);
    EXPECT_EQ(strokes("{  2}"), std::vector<KeyStroke>(2, KeyStroke::text(' ')));
    EXPECT_EQ(strokes("{ }"), std::vector{KeyStroke::text(' ')});
}

TEST(KeyScript, MalformedNotationNamesItsPosition) {
    struct Case {
        std::string script;
        std::size_t position;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {"ab{ENTER", 3, "'{' without a closing '}'"},
        {"a}", 2, "'}' without an opening '{'"},
        {"x(ab", 2, "'(' without a closing ')'"},
        {"ab)", 3, "')' without an opening '('"},
        {"ab+", 3, "a modifier with no key after it"},
        {"(a^)", 3, "a modifier with no key after it"},
        {"{FOO}", 1, "unknown key name {FOO}"},
        {"{}", 1, "'{' without a closing '}'"},  // the start of "{}}"
        {"{ENTER x}", 1, "unknown key name {ENTER x}"},
        {"a\tb", 2, "a control character"},
        {"{\x01}", 2, "a control character"},
    };
    for (const auto& c : cases) {
        const auto error = errorOf(c.script);
        EXPECT_EQ(error.position, c.position) << c.script;
        EXPECT_EQ(error.problem, c.problem) << c.script;
    }
    EXPECT_EQ(errorOf(std::string(100, '(')).problem, "groups nested too deeply");
}

TEST(KeyScript, EscapedTextParsesBackToTheSameCharacters) {
    std::string everyPrintable;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte != 0x7F) {
            everyPrintable.push_back(static_cast<char>(byte));
        }
    }
    const auto parsed = strokes(escapeKeyScript(everyPrintable));
    ASSERT_EQ(parsed.size(), everyPrintable.size());
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        EXPECT_EQ(parsed[i],
                  KeyStroke::text(cp1252ToUnicode(static_cast<unsigned char>(everyPrintable[i]))))
            << "byte " << static_cast<int>(static_cast<unsigned char>(everyPrintable[i]));
    }
    EXPECT_EQ(escapeKeyScript("50% off (today) ~ all"), "50{%} off {(}today{)} {~} all");
}

}  // namespace
}  // namespace kaj::platform
