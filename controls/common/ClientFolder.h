#pragma once

#include <filesystem>

#include "Registry.h"

namespace kaj::controls {

constexpr const char* kClientRegistryKey = "SOFTWARE\\Origin Worlds Online\\Ultima Online\\1.0";

// The client's folder: the "ExePath" value of its install key up to its last "\",
// as a path of this system; empty (the current folder) when the key or value is missing.
std::filesystem::path clientFolderFromRegistry(const platform::RegistryReader& registry);
// The same through this system's registry (Wine's on Linux).
std::filesystem::path systemClientFolder();

// A data file of the client's folder (the current folder when empty), found
// whatever the letter case of its name.
std::filesystem::path clientFile(const std::filesystem::path& folder, const std::string& name);

}  // namespace kaj::controls
