#include "VirtualKeys.h"

#include <windows.h>

#include <array>
#include <utility>

namespace kaj::platform::win {
namespace {

constexpr std::array<std::pair<NamedKey, std::uint16_t>, 20> kKeys = {{
    {NamedKey::Enter, VK_RETURN},
    {NamedKey::Tab, VK_TAB},
    {NamedKey::Backspace, VK_BACK},
    {NamedKey::Delete, VK_DELETE},
    {NamedKey::Insert, VK_INSERT},
    {NamedKey::Home, VK_HOME},
    {NamedKey::End, VK_END},
    {NamedKey::PageUp, VK_PRIOR},
    {NamedKey::PageDown, VK_NEXT},
    {NamedKey::Up, VK_UP},
    {NamedKey::Down, VK_DOWN},
    {NamedKey::Left, VK_LEFT},
    {NamedKey::Right, VK_RIGHT},
    {NamedKey::Escape, VK_ESCAPE},
    {NamedKey::Break, VK_CANCEL},
    {NamedKey::CapsLock, VK_CAPITAL},
    {NamedKey::NumLock, VK_NUMLOCK},
    {NamedKey::ScrollLock, VK_SCROLL},
    {NamedKey::PrintScreen, VK_SNAPSHOT},
    {NamedKey::Help, VK_HELP},
}};

constexpr int kFunctionKeys = static_cast<int>(NamedKey::F16) - static_cast<int>(NamedKey::F1) + 1;

}  // namespace

std::uint16_t virtualKeyFor(NamedKey key) {
    for (const auto& [named, virtualKey] : kKeys) {
        if (named == key) {
            return virtualKey;
        }
    }
    return static_cast<std::uint16_t>(VK_F1 +
                                      (static_cast<int>(key) - static_cast<int>(NamedKey::F1)));
}

std::optional<NamedKey> namedKeyForVirtualKey(std::uint16_t virtualKey) {
    for (const auto& [named, code] : kKeys) {
        if (code == virtualKey) {
            return named;
        }
    }
    if (virtualKey >= VK_F1 && virtualKey < VK_F1 + kFunctionKeys) {
        return static_cast<NamedKey>(static_cast<int>(NamedKey::F1) + (virtualKey - VK_F1));
    }
    return std::nullopt;
}

}  // namespace kaj::platform::win
