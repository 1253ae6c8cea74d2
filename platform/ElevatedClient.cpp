#include "ElevatedClient.h"

namespace kaj::platform {

std::optional<std::string> elevatedClientRefusal(std::optional<unsigned long> clientLevel,
                                                 std::optional<unsigned long> consoleLevel) {
    if (!clientLevel || !consoleLevel || *clientLevel <= *consoleLevel) {
        return std::nullopt;
    }
    return "The client runs as administrator; start the console as administrator too";
}

}  // namespace kaj::platform
