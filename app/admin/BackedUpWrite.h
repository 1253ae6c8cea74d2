#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kaj::admin {

// The server file written after its backup (the UTF-8 byte-order mark first when
// asked), as platform::writeTextLinesBackedUp does; the reason for a failure names
// the file that could not be written. Nothing on success.
std::optional<std::string> writeWithBackup(const std::filesystem::path& file,
                                           const std::filesystem::path& backup,
                                           const std::vector<std::string>& lines,
                                           bool byteOrderMark);

}  // namespace kaj::admin
