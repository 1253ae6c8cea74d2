#pragma once

#include <filesystem>

#include "Registry.h"

namespace kaj::controls {

constexpr const char* kClientRegistryKey = "SOFTWARE\\Origin Worlds Online\\Ultima Online\\1.0";

// The client's folder: the "ExePath" value of its install key up to its last "\",
// as a path of this system; empty (the current folder) when the key or value is missing.
std::filesystem::path clientFolderFromRegistry(const platform::RegistryReader& registry);

}  // namespace kaj::controls
