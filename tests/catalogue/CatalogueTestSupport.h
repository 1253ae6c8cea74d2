#pragma once

#include <string>
#include <vector>

#include "CatalogueState.h"

namespace kaj::catalogue {

// Collects the messages a load would show.
struct RecordedMessages {
    std::vector<std::string> messages;
    MessageSink sink() {
        return [this](std::string_view text) { messages.emplace_back(text); };
    }
};

using Lines = std::vector<std::string>;

}  // namespace kaj::catalogue
