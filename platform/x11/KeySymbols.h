#pragma once

#include <optional>
#include <vector>

#include "KeyScript.h"

namespace kaj::platform::x11 {

using KeySymbol = unsigned long;

// The key symbols that stand for a character, the preferred one first.
std::vector<KeySymbol> keySymbolsForCharacter(char32_t character);
std::optional<char32_t> characterForKeySymbol(KeySymbol symbol);

KeySymbol keySymbolForNamedKey(NamedKey key);
std::optional<NamedKey> namedKeyForKeySymbol(KeySymbol symbol);

}  // namespace kaj::platform::x11
