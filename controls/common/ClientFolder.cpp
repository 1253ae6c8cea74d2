#include "ClientFolder.h"

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

}  // namespace kaj::controls
