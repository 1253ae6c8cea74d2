#pragma once

#include <string>

namespace kaj::platform {

// One argument of a Windows command line, quoted so that the C runtime's reading
// gives it back unchanged (backslashes doubled only before a quote).
std::wstring quotedArgument(const std::wstring& argument);

}  // namespace kaj::platform
