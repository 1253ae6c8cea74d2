#include "BackedUpWrite.h"

#include "PathText.h"
#include "ServerConfigLine.h"
#include "TextFile.h"

namespace kaj::admin {

std::optional<std::string> writeWithBackup(const std::filesystem::path& file,
                                           const std::filesystem::path& backup,
                                           const std::vector<std::string>& lines,
                                           bool byteOrderMark) {
    const auto result = platform::writeTextLinesBackedUp(
        file, backup, lines, byteOrderMark ? pol::kByteOrderMark : std::string_view());
    if (!result.backupError.empty()) {
        return "The backup " + platform::pathInMessage(backup) + " could not be written (" +
               result.backupError + "). " + platform::pathInMessage(file.filename()) +
               " was not changed.";
    }
    if (!result.written.ok) {
        return platform::pathInMessage(file) + " could not be written (" + result.written.error +
               "). It was not changed; the backup is " + platform::pathInMessage(backup) + ".";
    }
    return std::nullopt;
}

}  // namespace kaj::admin
