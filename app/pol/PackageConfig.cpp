#include "PackageConfig.h"

#include "FileLookup.h"
#include "TextFile.h"

namespace kaj::pol {

std::optional<std::filesystem::path> packageConfigFile(const std::filesystem::path& package) {
    return platform::findCaseInsensitive(package, "pkg.cfg", platform::EntryKind::File);
}

std::optional<std::vector<std::string>> readPackageConfig(const std::filesystem::path& package) {
    const auto file = packageConfigFile(package);
    return file ? platform::readTextLines(*file) : std::nullopt;
}

}  // namespace kaj::pol
