#pragma once

#include <optional>
#include <string>

namespace kaj::platform {

// Windows keeps a program from typing into a program of a higher integrity level
// (a client started as administrator takes no keys from a console that is not):
// what to tell the user then, or nothing when the console may type. A level that
// cannot be read does not stop the typing.
std::optional<std::string> elevatedClientRefusal(std::optional<unsigned long> clientLevel,
                                                 std::optional<unsigned long> consoleLevel);

}  // namespace kaj::platform
