#pragma once

#include <filesystem>
#include <functional>

namespace kaj::pol {

// The walk of a server folder for packages: a folder's own pkg.cfg first, then
// every entry whose name holds no dot, depth first, in case-insensitive name
// order. A folder already on the way down (reached again through a link) is not
// walked twice. Every folder holding a pkg.cfg is handed to visit.
void walkPackages(const std::filesystem::path& folder,
                  const std::function<void(const std::filesystem::path&)>& visit);

}  // namespace kaj::pol
