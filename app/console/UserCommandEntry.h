#pragma once

#include <string>

namespace kaj::console {

struct UserCommandParts {
    std::string caption;  // before the first "|"
    std::string command;  // between the first and the second "|", or to the end
};

// An entry without any "|" is all caption and has no command.
UserCommandParts splitUserCommand(const std::string& entry);
std::string joinUserCommand(const std::string& caption, const std::string& command);

}  // namespace kaj::console
