#include "ServerConfigFile.h"

#include <algorithm>

#include "TextFile.h"

namespace kaj::pol {

void turnTabsIntoBlanks(std::vector<std::string>& lines) {
    for (auto& line : lines) {
        std::replace(line.begin(), line.end(), '\t', ' ');
    }
}

std::optional<std::vector<std::string>> readServerConfigLines(const std::filesystem::path& file) {
    auto lines = platform::readTextLines(file);
    if (lines) {
        turnTabsIntoBlanks(*lines);
    }
    return lines;
}

}  // namespace kaj::pol
