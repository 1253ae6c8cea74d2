#pragma once

#ifdef _WIN32

#include <functional>
#include <optional>

namespace kaj::platform::win {

// A process's integrity level, the last part of its token's mandatory label
// (0x2000 medium, 0x3000 high as an administrator's); nothing when it cannot be read.
using IntegrityLevelOf = std::function<std::optional<unsigned long>(unsigned long processId)>;
IntegrityLevelOf systemIntegrityLevelOf();

}  // namespace kaj::platform::win

#endif
