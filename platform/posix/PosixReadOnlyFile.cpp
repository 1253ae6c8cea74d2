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

bool ReadOnlyFile::readAt(std::uint64_t position, void* destination, std::size_t n) const {
    if (position > size_ || n > size_ - position) {
        return false;
    }
    auto* out = static_cast<char*>(destination);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(static_cast<int>(handle_), out + done, n - done,
                                    static_cast<off_t>(position + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;  // the file shrank, or the read failed
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace kaj::platform
