#include "ClientFolder.h"

#include <optional>

#include "FileLookup.h"

namespace kaj::controls {
namespace {

bool namesFolder(const std::filesystem::path& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error);
}

}  // namespace

std::string describeClientFolderSource(ClientFolderSource source) {
    switch (source) {
        case ClientFolderSource::Given:
            return "given on the command line";
        case ClientFolderSource::Setup:
            return "the Setup tab's Ultima Directory";
        case ClientFolderSource::ClassicKey:
            return std::string("the registry: ") + kClientRegistryKey + ", ExePath";
        case ClientFolderSource::TodaysKey:
            return std::string("the registry: ") + kTodaysClientRegistryKey + ", InstallDir";
        case ClientFolderSource::Nowhere:
            break;
    }
    return "neither the Setup tab nor the registry names one";
}

ClientFolderChoice chooseClientFolder(const std::filesystem::path& setupFolder,
                                      const platform::RegistryReader& registry) {
    if (namesFolder(setupFolder)) {
        return {setupFolder, ClientFolderSource::Setup};
    }
    std::optional<ClientFolderChoice> classic;
    if (const auto exePath = registry.localMachineString(kClientRegistryKey, "ExePath")) {
        const std::size_t separator = exePath->find_last_of('\\');
        classic = ClientFolderChoice{separator == std::string::npos
                                         ? std::filesystem::path()
                                         : registry.toNativePath(exePath->substr(0, separator + 1)),
                                     ClientFolderSource::ClassicKey};
        if (namesFolder(classic->folder)) {
            return *classic;
        }
    }
    if (const auto installDir =
            registry.localMachineString(kTodaysClientRegistryKey, "InstallDir")) {
        const std::filesystem::path folder = registry.toNativePath(*installDir);
        if (namesFolder(folder)) {
            return {folder, ClientFolderSource::TodaysKey};
        }
    }
    // A classic key whose folder is gone still names where the client was.
    return classic.value_or(ClientFolderChoice{});
}

ClientFolderChoice chooseSystemClientFolder(const std::filesystem::path& setupFolder) {
    return chooseClientFolder(setupFolder, *platform::makeSystemRegistry());
}

std::filesystem::path clientFile(const std::filesystem::path& folder, const std::string& name) {
    const std::filesystem::path base = folder.empty() ? std::filesystem::path(".") : folder;
    if (auto found = platform::findCaseInsensitive(base, name)) {
        return *found;
    }
    return base / name;
}

}  // namespace kaj::controls
