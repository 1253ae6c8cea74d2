#pragma once

#include <string>
#include <vector>

#include "CatalogueState.h"

namespace kaj::catalogue {

inline std::vector<std::string> treeLines(const CatalogueTree& tree) {
    return tree.outline();
}

// Collects the messages a load would show.
struct RecordedMessages {
    std::vector<std::string> messages;
    MessageSink sink() {
        return [this](std::string_view text) { messages.emplace_back(text); };
    }
};

using Lines = std::vector<std::string>;

}  // namespace kaj::catalogue
