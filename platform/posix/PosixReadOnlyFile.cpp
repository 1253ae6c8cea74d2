#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "ReadOnlyFile.h"

namespace kaj::platform {

std::optional<ReadOnlyFile> ReadOnlyFile::open(const std::filesystem::path& path) {
    struct stat info {};
    // Looked at first and opened without blocking, so a FIFO never holds the reader.
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return ReadOnlyFile(fd, static_cast<std::uint64_t>(info.st_size));
}

void ReadOnlyFile::close() {
    if (handle_ != kNoHandle) {
        ::close(static_cast<int>(handle_));
        handle_ = kNoHandle;
    }
}

std::size_t ReadOnlyFile::readSomeAt(std::uint64_t position, char* destination,
                                     std::size_t n) const {
    for (;;) {
        const ssize_t got =
            ::pread(static_cast<int>(handle_), destination, n, static_cast<off_t>(position));
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            return 0;
        }
    }
}

}  // namespace kaj::platform
