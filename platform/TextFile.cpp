#include "TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return splitLines(bytes);
}

WriteResult writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                           WriteOptions options) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return writeFileReplacing(path, bytes, options);
}

WriteResult copyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::ifstream in(from, std::ios::binary);
    if (!std::filesystem::is_regular_file(from, error) || !in) {
        return {false, "cannot read " + from.string()};
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return {false, "cannot read " + from.string()};
    }
    return writeFileReplacing(to, bytes);
}

WriteResult writeFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                               WriteOptions options) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
#ifdef _WIN32
    (void)options;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return {false, "cannot write " + temporary.string()};
        }
    }
#else
    mode_t mode = options.ownerOnly ? 0600 : 0644;
    bool setMode = options.ownerOnly;
    struct stat existing {};
    if (options.keepMode && ::stat(path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
        setMode = true;
    }
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        return {false, std::string(std::strerror(errno))};
    }
    if (setMode) {
        ::fchmod(fd, mode);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const std::string reason = std::strerror(errno);
            ::close(fd);
            ::unlink(temporary.c_str());
            return {false, reason};
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(temporary.c_str());
        return {false, reason};
    }
#endif
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return {false, error.message()};
    }
    return {};
}

}  // namespace kaj::platform
