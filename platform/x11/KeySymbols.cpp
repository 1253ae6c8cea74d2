#include "KeySymbols.h"

#include <X11/keysym.h>

#include <array>
#include <utility>

namespace kaj::platform::x11 {
namespace {

// Legacy key symbols of the Windows-1252 characters outside Latin-1; X servers
// and toolkits know these as well as the Unicode ones (0x1000000 + code point).
constexpr std::array<std::pair<KeySymbol, char32_t>, 22> kLegacySymbols = {{
    {0x20ac, 0x20AC}, {0x0afd, 0x201A}, {0x08f6, 0x0192}, {0x0afe, 0x201E}, {0x0aae, 0x2026},
    {0x0af1, 0x2020}, {0x0af2, 0x2021}, {0x0ad5, 0x2030}, {0x01a9, 0x0160}, {0x13bc, 0x0152},
    {0x01ae, 0x017D}, {0x0ad0, 0x2018}, {0x0ad1, 0x2019}, {0x0ad2, 0x201C}, {0x0ad3, 0x201D},
    {0x0ae6, 0x2022}, {0x0aaa, 0x2013}, {0x0aa9, 0x2014}, {0x0ac9, 0x2122}, {0x01b9, 0x0161},
    {0x13bd, 0x0153}, {0x01be, 0x017E},
}};

constexpr std::array<std::pair<NamedKey, KeySymbol>, 36> kNamedSymbols = {{
    {NamedKey::Enter, XK_Return},
    {NamedKey::Tab, XK_Tab},
    {NamedKey::Backspace, XK_BackSpace},
    {NamedKey::Delete, XK_Delete},
    {NamedKey::Insert, XK_Insert},
    {NamedKey::Home, XK_Home},
    {NamedKey::End, XK_End},
    {NamedKey::PageUp, XK_Prior},
    {NamedKey::PageDown, XK_Next},
    {NamedKey::Up, XK_Up},
    {NamedKey::Down, XK_Down},
    {NamedKey::Left, XK_Left},
    {NamedKey::Right, XK_Right},
    {NamedKey::Escape, XK_Escape},
    {NamedKey::Break, XK_Break},
    {NamedKey::CapsLock, XK_Caps_Lock},
    {NamedKey::NumLock, XK_Num_Lock},
    {NamedKey::ScrollLock, XK_Scroll_Lock},
    {NamedKey::PrintScreen, XK_Print},
    {NamedKey::Help, XK_Help},
    {NamedKey::F1, XK_F1},
    {NamedKey::F2, XK_F2},
    {NamedKey::F3, XK_F3},
    {NamedKey::F4, XK_F4},
    {NamedKey::F5, XK_F5},
    {NamedKey::F6, XK_F6},
    {NamedKey::F7, XK_F7},
    {NamedKey::F8, XK_F8},
    {NamedKey::F9, XK_F9},
    {NamedKey::F10, XK_F10},
    {NamedKey::F11, XK_F11},
    {NamedKey::F12, XK_F12},
    {NamedKey::F13, XK_F13},
    {NamedKey::F14, XK_F14},
    {NamedKey::F15, XK_F15},
    {NamedKey::F16, XK_F16},
}};

constexpr KeySymbol kUnicodeSymbolBase = 0x1000000;

}  // namespace

std::vector<KeySymbol> keySymbolsForCharacter(char32_t c) {
    if ((c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF)) {
        return {static_cast<KeySymbol>(c), kUnicodeSymbolBase + c};
    }
    std::vector<KeySymbol> symbols;
    for (const auto& [symbol, character] : kLegacySymbols) {
        if (character == c) {
            symbols.push_back(symbol);
        }
    }
    symbols.push_back(kUnicodeSymbolBase + c);
    return symbols;
}

std::optional<char32_t> characterForKeySymbol(KeySymbol symbol) {
    if ((symbol >= 0x20 && symbol <= 0x7E) || (symbol >= 0xA0 && symbol <= 0xFF)) {
        return static_cast<char32_t>(symbol);
    }
    if ((symbol & 0xFF000000UL) == kUnicodeSymbolBase) {
        return static_cast<char32_t>(symbol & 0x00FFFFFFUL);
    }
    for (const auto& [legacy, character] : kLegacySymbols) {
        if (legacy == symbol) {
            return character;
        }
    }
    return std::nullopt;
}

KeySymbol keySymbolForNamedKey(NamedKey key) {
    for (const auto& [named, symbol] : kNamedSymbols) {
        if (named == key) {
            return symbol;
        }
    }
    return XK_VoidSymbol;
}

std::optional<NamedKey> namedKeyForKeySymbol(KeySymbol symbol) {
    if (symbol == XK_KP_Enter) {
        return NamedKey::Enter;
    }
    if (symbol == XK_ISO_Left_Tab) {
        return NamedKey::Tab;
    }
    for (const auto& [named, sym] : kNamedSymbols) {
        if (sym == symbol) {
            return named;
        }
    }
    return std::nullopt;
}

}  // namespace kaj::platform::x11
