#pragma once

#include <string>
#include <vector>

#include "CatalogueState.h"

namespace kaj::catalogue {

// The tree as kajcli prints it: two blanks per level, the text, " [key]" when keyed.
inline std::vector<std::string> treeLines(const CatalogueTree& tree) {
    std::vector<std::string> lines;
    for (const auto& shown : tree.displayOrder()) {
        const auto& node = tree.node(shown.index);
        std::string line(static_cast<std::size_t>(shown.depth) * 2, ' ');
        line += node.text;
        if (!node.key.empty()) {
            line += " [" + node.key + "]";
        }
        lines.push_back(line);
    }
    return lines;
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
