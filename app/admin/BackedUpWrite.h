#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kaj::admin {

// Copies the file to its backup, then writes the new lines (CR LF each, the UTF-8
// byte-order mark first when asked) through a temporary file renamed over it,
// keeping its permissions. Either failure leaves the file as it was; the reason
// names the file that could not be written. Nothing on success.
std::optional<std::string> writeWithBackup(const std::filesystem::path& file,
                                           const std::filesystem::path& backup,
                                           const std::vector<std::string>& lines,
                                           bool byteOrderMark);

}  // namespace kaj::admin
