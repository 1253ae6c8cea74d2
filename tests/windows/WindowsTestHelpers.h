#pragma once

#include <string>

namespace kaj::windows {

// Started with this option, NAME and FILE, the test program takes the single-instance
// lock NAME, writes FILE and waits to be ended.
constexpr const char* kHoldInstanceOption = "--hold-single-instance";

// The test program's own path, for starting it again as a helper.
std::string thisProgram();

}  // namespace kaj::windows
