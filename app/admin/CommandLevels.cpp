#include "CommandLevels.h"

#include "AsciiCase.h"
#include "FileLookup.h"
#include "ServerConfigLine.h"
#include "TextFile.h"

namespace kaj::admin {

std::vector<std::string> commandLevels(const std::filesystem::path& serverFolder) {
    const auto file =
        platform::findCaseInsensitive(serverFolder, "config/cmds.cfg", platform::EntryKind::File);
    const auto lines = file ? platform::readTextLines(*file) : std::nullopt;
    if (!lines) {
        return {"player", "coun", "seer", "gm", "admin", "test"};
    }
    std::vector<std::string> levels;
    bool inElement = false;
    for (const auto& text : *lines) {
        const pol::ConfigLine line = pol::splitConfigLine(text);
        if (line.key.empty() || pol::isCommentKey(line.key)) {
            continue;
        }
        if (inElement) {
            inElement = line.key != "}";
        } else if (line.key.starts_with("{")) {
            inElement = true;
        } else if (platform::equalsIgnoringAsciiCase(line.key, "CmdLevel") && !line.value.empty()) {
            levels.push_back(line.value);
        }
    }
    return levels;
}

}  // namespace kaj::admin
