#include "TextFile.h"

#include <system_error>

#include "FileFaults.h"
#include "FileReplacing.h"
#include "ReadOnlyFile.h"

namespace kaj::platform {

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        std::size_t lineEnd = end;
        if (lineEnd > start && bytes[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        lines.emplace_back(bytes.substr(start, lineEnd - start));
        start = end + 1;
    }
    return lines;
}

namespace {

std::optional<std::string> readRegularFile(const std::filesystem::path& path) {
    const auto file = ReadOnlyFile::open(path);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(file->size()), '\0');
    if (!bytes.empty() && !file->readAt(0, bytes.data(), bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

// Where a write lands: a symbolic link is followed to the file it names, so that
// the file is replaced and the link stays a link.
std::filesystem::path writeTarget(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code error;
        if (!std::filesystem::is_symlink(current, error)) {
            break;
        }
        const auto next = std::filesystem::read_symlink(current, error);
        if (error) {
            break;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    if (injectedFileFault(FileStep::Read, path) != 0) {
        return std::nullopt;
    }
    return readRegularFile(path);
}

std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path) {
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return splitLines(*bytes);
}

namespace {

std::string linesWithEnds(std::string_view start, const std::vector<std::string>& lines) {
    std::string bytes(start);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace

WriteResult writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                           WriteOptions options) {
    return writeFileReplacing(path, linesWithEnds({}, lines), options);
}

BackedUpWriteResult writeTextLinesBackedUp(const std::filesystem::path& file,
                                           const std::filesystem::path& backup,
                                           const std::vector<std::string>& lines,
                                           std::string_view start) {
    BackedUpWriteResult result;
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error)) {
        if (const auto copied = copyFileReplacing(file, backup); !copied.ok) {
            result.backupError = copied.error;
            return result;
        }
        result.backedUp = true;
    }
    result.written = writeFileReplacing(file, linesWithEnds(start, lines));
    return result;
}

WriteResult copyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (const int error = injectedFileFault(FileStep::Copy, from)) {
        return {false,
                "cannot read " + from.string() + ": " + std::generic_category().message(error)};
    }
    const auto bytes = readRegularFile(from);
    if (!bytes) {
        return {false, "cannot read " + from.string()};
    }
    return writeFileReplacing(to, *bytes);
}

WriteResult writeFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                               WriteOptions options) {
    const auto target = writeTarget(path);
    // A folder, device or pipe in the file's place is never renamed over: the system
    // would lose it (a device node such as /dev/null, when run as root).
    std::error_code error;
    const auto status = std::filesystem::status(target, error);
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return {false, "it is not a regular file"};
    }
    return replaceThroughTemporaryFile(target, bytes, options);
}

}  // namespace kaj::platform
