#include "UserCommandEntry.h"

namespace kaj::console {

UserCommandParts splitUserCommand(const std::string& entry) {
    const std::size_t bar = entry.find('|');
    if (bar == std::string::npos) {
        return {entry, {}};
    }
    const std::size_t next = entry.find('|', bar + 1);
    return {entry.substr(0, bar),
            entry.substr(bar + 1, next == std::string::npos ? std::string::npos : next - bar - 1)};
}

std::string joinUserCommand(const std::string& caption, const std::string& command) {
    return caption + "|" + command;
}

}  // namespace kaj::console
