#include "ClientFolder.h"

#include "FileLookup.h"

namespace kaj::controls {

std::filesystem::path clientFolderFromRegistry(const platform::RegistryReader& registry) {
    const auto exePath = registry.localMachineString(kClientRegistryKey, "ExePath");
    if (!exePath) {
        return {};
    }
    const std::size_t separator = exePath->find_last_of('\\');
    if (separator == std::string::npos) {
        return {};
    }
    return registry.toNativePath(exePath->substr(0, separator + 1));
}

std::filesystem::path systemClientFolder() {
    return clientFolderFromRegistry(*platform::makeSystemRegistry());
}

std::filesystem::path clientFile(const std::filesystem::path& folder, const std::string& name) {
    const std::filesystem::path base = folder.empty() ? std::filesystem::path(".") : folder;
    if (auto found = platform::findCaseInsensitive(base, name)) {
        return *found;
    }
    return base / name;
}

}  // namespace kaj::controls
