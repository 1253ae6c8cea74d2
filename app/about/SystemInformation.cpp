#include "SystemInformation.h"

#include "FileLookup.h"

namespace kaj::about {

std::optional<std::filesystem::path> findSystemInformationTool(
    const platform::RegistryReader& registry) {
    if (const auto path =
            registry.localMachineString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH")) {
        return registry.toNativePath(*path);
    }
    if (const auto folder =
            registry.localMachineString("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO")) {
        const std::filesystem::path native = registry.toNativePath(*folder);
        if (auto tool = platform::findCaseInsensitive(native, "MSINFO32.EXE")) {
            return tool;
        }
    }
    return std::nullopt;
}

}  // namespace kaj::about
