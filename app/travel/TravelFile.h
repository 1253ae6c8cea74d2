#pragma once

#include <filesystem>

#include "MessageSink.h"
#include "TextFile.h"
#include "TravelState.h"

namespace kaj::travel {

constexpr const char* kTravelFileName = "KajMap.scp";
constexpr const char* kTravelFileMissing = "KajMap.scp does not exist!";

std::filesystem::path travelFilePath(const std::filesystem::path& programFolder);

// Reads KajMap.scp of the program's folder into the list and the tree, which the
// caller has emptied: "C=", "S=", "L=" and "P=" lines, the value after the "="
// trimmed of blanks, tabs read as blanks; every "P=" line adds an entry of the
// current category, subcategory and name. A missing file is told, and adds nothing.
void LoadMapScript(TravelState& state, const std::filesystem::path& programFolder,
                   const common::MessageSink& message);

// The four lines of every entry, in list order, written whole or not at all.
platform::WriteResult writeMapScript(const std::filesystem::path& programFolder,
                                     const std::vector<std::string>& entries);

}  // namespace kaj::travel
