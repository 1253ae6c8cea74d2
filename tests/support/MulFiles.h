#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

namespace kaj::testing {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

inline void writeBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A data file with its index, for hand-made records.
struct MulBuilder {
    struct Entry {
        std::int32_t offset, length;
        std::uint32_t extra;
    };
    Bytes data;
    std::map<std::uint64_t, Entry> entries;

    void add(std::uint64_t n, const Bytes& record, std::uint32_t extra = 0,
             std::int64_t length = -2) {
        entries[n] = {static_cast<std::int32_t>(data.size()),
                      static_cast<std::int32_t>(
                          length == -2 ? static_cast<std::int64_t>(record.size()) : length),
                      extra};
        data.insert(data.end(), record.begin(), record.end());
    }
    void write(const std::filesystem::path& dataPath,
               const std::filesystem::path& indexPath) const {
        writeBytes(dataPath, data);
        Bytes index;
        const std::uint64_t count = entries.empty() ? 0 : entries.rbegin()->first + 1;
        for (std::uint64_t n = 0; n < count; ++n) {
            const auto it = entries.find(n);
            put32(index, it == entries.end() ? 0xFFFFFFFFu
                                             : static_cast<std::uint32_t>(it->second.offset));
            put32(index, it == entries.end() ? 0u : static_cast<std::uint32_t>(it->second.length));
            put32(index, it == entries.end() ? 0u : it->second.extra);
        }
        writeBytes(indexPath, index);
    }
};

}  // namespace kaj::testing
