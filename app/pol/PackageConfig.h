#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kaj::pol {

// A package's pkg.cfg, its name in any letter case, as the catalogue and the
// package manager both read it.
std::optional<std::filesystem::path> packageConfigFile(const std::filesystem::path& package);
// Its lines as they stand; nothing when the package has none or it cannot be read.
std::optional<std::vector<std::string>> readPackageConfig(const std::filesystem::path& package);

}  // namespace kaj::pol
