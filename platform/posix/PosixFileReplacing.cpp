#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <optional>

#include "FileFaults.h"
#include "FileReplacing.h"

namespace kaj::platform {
namespace {

WriteResult failure(int error) {
    return {false, std::strerror(error)};
}

// The permissions the new file gets: an existing target's own when they are kept,
// owner-only for private files, else what the user's umask gives.
std::optional<mode_t> modeFor(const std::filesystem::path& target, const WriteOptions& options) {
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    if (options.keepMode && exists) {
        return existing.st_mode & 07777;
    }
    if (options.ownerOnly) {
        return 0600;
    }
    return std::nullopt;
}

void syncFolder(const std::filesystem::path& folder) {
    // Makes the rename itself durable; the file is already in place, so a folder
    // that cannot be flushed is not a failed write.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

WriteResult replaceThroughTemporaryFile(const std::filesystem::path& target, std::string_view bytes,
                                        const WriteOptions& options) {
    const auto mode = modeFor(target, options);
    std::filesystem::path temporary;
    int fd = -1;
    for (unsigned attempt = 0; fd < 0; ++attempt) {
        temporary = temporaryNameFor(target);
        if (const int error = injectedFileFault(FileStep::Open, temporary)) {
            return failure(error);
        }
        fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode.value_or(0666));
        if (fd < 0 && (errno != EEXIST || attempt >= 100)) {
            return failure(errno);
        }
    }
    auto abandon = [&](int error) {
        if (fd >= 0) {
            ::close(fd);
        }
        ::unlink(temporary.c_str());
        return failure(error);
    };
    if (mode && ::fchmod(fd, *mode) != 0) {
        return abandon(errno);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        if (const int error = injectedFileFault(FileStep::Write, temporary)) {
            return abandon(error);
        }
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return abandon(n < 0 ? errno : EIO);
        }
        written += static_cast<std::size_t>(n);
    }
    if (const int error = injectedFileFault(FileStep::Sync, temporary)) {
        return abandon(error);
    }
    if (::fsync(fd) != 0) {
        return abandon(errno);
    }
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) {
        return abandon(errno);
    }
    if (const int error = injectedFileFault(FileStep::Rename, target)) {
        return abandon(error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        return abandon(errno);
    }
    syncFolder(target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path());
    return {};
}

std::filesystem::path temporaryNameFor(const std::filesystem::path& target) {
    static std::atomic<unsigned> made{0};
    const std::string name = target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                             std::to_string(++made) + ".tmp";
    return target.parent_path() / name;
}

}  // namespace kaj::platform
