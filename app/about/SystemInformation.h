#pragma once

#include <filesystem>
#include <optional>

#include "Registry.h"

namespace kaj::about {

constexpr const char* kSystemInformationUnavailable =
    "System Information Is Unavailable At This Time";

// The system-information tool the registry names: the PATH value of the MSINFO
// key, else MSINFO32.EXE in the folder that "Shared Tools Location" names, when it
// exists there.
std::optional<std::filesystem::path> findSystemInformationTool(
    const platform::RegistryReader& registry);

}  // namespace kaj::about
