#include "TravelFile.h"

#include <algorithm>
#include <optional>

#include "AsciiCase.h"
#include "SortedTextList.h"
#include "TextRoutines.h"
#include "TravelEntries.h"

namespace kaj::travel {
namespace {

constexpr const char* kRootNode = "GM Spots";

// The node a subcategory goes under: the one whose key is the category, else the
// one whose key is the category in another letter case; none makes it a root.
std::optional<std::string> parentKeyFor(const common::CategoryTree& tree,
                                        const std::string& category) {
    if (category.empty()) {
        return std::nullopt;
    }
    if (tree.hasKey(category)) {
        return category;
    }
    return tree.keyEqualIgnoringCase(category);
}

}  // namespace

std::filesystem::path travelFilePath(const std::filesystem::path& programFolder) {
    return programFolder / kTravelFileName;
}

void LoadMapScript(TravelState& state, const std::filesystem::path& programFolder,
                   const common::MessageSink& message) {
    const auto lines = platform::readTextLines(travelFilePath(programFolder));
    if (!lines) {
        message(kTravelFileMissing);
        return;
    }
    auto& tree = state.tvwMap;
    tree.addRoot(kRootNode, kRootNode, true);
    std::string category;
    std::string subcategory;
    std::string name;
    std::vector<std::string> entries;
    for (std::string line : *lines) {
        std::replace(line.begin(), line.end(), '\t', ' ');
        if (line.size() < 2 || line[1] != '=') {
            continue;
        }
        const std::string value = common::trimBlanks(std::string_view(line).substr(2));
        switch (line[0]) {
            case 'C':
                category = value;
                if (!tree.hasTextIgnoringCase(value)) {
                    tree.addRoot(value, value, true);
                }
                break;
            case 'S':
                subcategory = value;
                if (!tree.hasTextIgnoringCase(value)) {
                    if (const auto parent = parentKeyFor(tree, category)) {
                        tree.addChild(*parent, value, value, true);
                    } else {
                        tree.addRoot(value, value, true);
                    }
                }
                break;
            case 'L':
                name = value;
                break;
            case 'P':
                entries.push_back(joinEntry({category, subcategory, name, value}));
                break;
            default:
                break;
        }
    }
    common::insertAllSorted(state.ListFullMap, std::move(entries));
}

platform::WriteResult writeMapScript(const std::filesystem::path& programFolder,
                                     const std::vector<std::string>& entries) {
    static constexpr const char* kPrefixes[4] = {"C=", "S=", "L=", "P="};
    std::vector<std::string> lines;
    lines.reserve(entries.size() * 4);
    for (const auto& entry : entries) {
        const auto fields = splitEntry(entry);
        for (std::size_t i = 0; i < 4; ++i) {
            lines.push_back(kPrefixes[i] + (i < fields.size() ? fields[i] : std::string()));
        }
    }
    return platform::writeTextLines(travelFilePath(programFolder), lines);
}

}  // namespace kaj::travel
