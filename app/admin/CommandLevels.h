#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kaj::admin {

// The command levels the server knows: the names of the "CmdLevel" elements of its
// config/cmds.cfg, in file order; without that file, the names the server's own
// distributions use.
std::vector<std::string> commandLevels(const std::filesystem::path& serverFolder);

}  // namespace kaj::admin
