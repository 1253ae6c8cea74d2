#include "DataFile.h"

#include <algorithm>
#include <utility>

namespace kaj::controls {

std::optional<DataFile> DataFile::open(const std::filesystem::path& path) {
    auto file = platform::ReadOnlyFile::open(path);
    if (!file) {
        return std::nullopt;
    }
    return DataFile(std::move(*file));
}

std::optional<IndexRecord> DataFile::indexRecord(std::uint64_t n) const {
    std::uint8_t bytes[12];
    if (n > size() / 12 || !readAt(n * 12, bytes, sizeof bytes)) {
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
    if (start >= size()) {
        return {};
    }
    const std::uint64_t available =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(record.length), size() - start);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(available));
    if (!readAt(start, bytes.data(), bytes.size())) {
        return {};
    }
    return bytes;
}

}  // namespace kaj::controls
