#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kaj::platform {

// Lines of an 8-bit text file: each line ends at LF, a CR directly before the LF
// is removed, a last line without LF counts, and an empty file has no lines.
std::vector<std::string> splitLines(std::string_view bytes);

// A regular file's bytes, or nothing for anything else: a missing file, a folder, a
// FIFO or device (never opened, so never waited on), a dangling link, an unreadable
// file, or one that shrinks while it is read. Never throws.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);
std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path);

struct WriteOptions {
    bool ownerOnly = false;  // a new file is readable and writable by its owner only
    bool keepMode = true;    // an existing target keeps its permissions (else ownerOnly decides)
};

struct WriteResult {
    bool ok = true;
    std::string error;  // why it failed, for the user
};

// Writes the lines each ended by CR LF into a temporary file beside the target and
// renames it over the target, so a failure leaves the previous file whole. A target
// reached through a symbolic link is replaced where the link points.
WriteResult writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                           WriteOptions options = {});
// The same for bytes as they are.
WriteResult writeFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                               WriteOptions options = {});
struct BackedUpWriteResult {
    bool backedUp = false;    // the earlier file was copied to the backup
    std::string backupError;  // why that copy failed; the file was then left as it was
    WriteResult written;      // the writing of the file itself, when it was tried
    bool ok() const { return backupError.empty() && written.ok; }
};
// Copies the file, when there is one (a regular file), to its backup, then writes the lines after
// the given start (a byte-order mark, say) as writeTextLines does, keeping the
// file's permissions. Without its backup an earlier file is never replaced.
BackedUpWriteResult writeTextLinesBackedUp(const std::filesystem::path& file,
                                           const std::filesystem::path& backup,
                                           const std::vector<std::string>& lines,
                                           std::string_view start = {});
// A byte-for-byte copy that replaces the target whole or not at all.
WriteResult copyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace kaj::platform
