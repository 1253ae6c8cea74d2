#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kaj::pol {

// The lines of a server configuration file (pkg.cfg, itemdesc.cfg, npcdesc.cfg)
// with every tab turned into a blank, for readers that look for words in them;
// nothing when the file cannot be read.
std::optional<std::vector<std::string>> readServerConfigLines(const std::filesystem::path& file);
void turnTabsIntoBlanks(std::vector<std::string>& lines);

}  // namespace kaj::pol
