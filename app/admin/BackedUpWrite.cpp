#include "BackedUpWrite.h"

#include "PathText.h"
#include "ServerConfigLine.h"
#include "TextFile.h"

namespace kaj::admin {

std::optional<std::string> writeWithBackup(const std::filesystem::path& file,
                                           const std::filesystem::path& backup,
                                           const std::vector<std::string>& lines,
                                           bool byteOrderMark) {
    if (const auto copied = platform::copyFileReplacing(file, backup); !copied.ok) {
        return "The backup " + platform::pathInMessage(backup) + " could not be written (" +
               copied.error + "). " + platform::pathInMessage(file.filename()) +
               " was not changed.";
    }
    std::string bytes = byteOrderMark ? std::string(kByteOrderMark) : std::string();
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    if (const auto written = platform::writeFileReplacing(file, bytes); !written.ok) {
        return platform::pathInMessage(file) + " could not be written (" + written.error +
               "). It was not changed; the backup is " + platform::pathInMessage(backup) + ".";
    }
    return std::nullopt;
}

}  // namespace kaj::admin
