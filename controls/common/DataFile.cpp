#include "DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace kaj::controls {

std::optional<DataFile> DataFile::open(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return DataFile(fd, static_cast<std::uint64_t>(info.st_size));
}

DataFile::DataFile(DataFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}

DataFile& DataFile::operator=(DataFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
    }
    return *this;
}

DataFile::~DataFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool DataFile::readAt(std::uint64_t position, void* destination, std::size_t n) const {
    if (position > size_ || n > size_ - position) {
        return false;
    }
    auto* out = static_cast<char*>(destination);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(fd_, out + done, n - done, static_cast<off_t>(position + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

std::optional<IndexRecord> DataFile::indexRecord(std::uint64_t n) const {
    std::uint8_t bytes[12];
    if (n > size_ / 12 || !readAt(n * 12, bytes, sizeof bytes)) {
        return std::nullopt;
    }
    auto word = [&](int at) {
        return static_cast<std::uint32_t>(bytes[at]) |
               (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
               (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
               (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
    };
    return IndexRecord{static_cast<std::int32_t>(word(0)), static_cast<std::int32_t>(word(4)),
                       word(8)};
}

std::vector<std::uint8_t> DataFile::recordBytes(const IndexRecord& record) const {
    if (record.offset < 0 || record.length <= 0) {
        return {};
    }
    const auto start = static_cast<std::uint64_t>(record.offset);
    if (start >= size_) {
        return {};
    }
    const std::uint64_t available =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(record.length), size_ - start);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(available));
    if (!readAt(start, bytes.data(), bytes.size())) {
        return {};
    }
    return bytes;
}

}  // namespace kaj::controls
