#pragma once

#include <string>

#include "ConsoleServices.h"
#include "ConsoleState.h"

namespace kaj::console {

// What the staff-command buttons need of the program: the one command sender, the
// console's state and the system's services.
class CommandHost {
  public:
    virtual ~CommandHost() = default;
    virtual void SendCommand(const std::string& command) = 0;
    virtual ConsoleState& state() = 0;
    virtual ConsoleServices& services() = 0;
};

}  // namespace kaj::console
