#pragma once

#include <functional>
#include <string_view>

namespace kaj::common {

// Where a loader's messages go (a message box in the program, standard error in kajcli).
using MessageSink = std::function<void(std::string_view)>;

}  // namespace kaj::common
