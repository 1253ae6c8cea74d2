#pragma once

#include <cstdint>
#include <optional>

#include "KeyScript.h"

namespace kaj::platform::win {

// Windows' virtual-key codes of the named keys, both ways.
std::uint16_t virtualKeyFor(NamedKey key);
std::optional<NamedKey> namedKeyForVirtualKey(std::uint16_t virtualKey);

}  // namespace kaj::platform::win
