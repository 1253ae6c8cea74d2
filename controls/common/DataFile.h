#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "ReadOnlyFile.h"

namespace kaj::controls {

// An index record: where a picture's data lies in its data file.
struct IndexRecord {
    std::int32_t offset = -1;  // -1: the entry is empty
    std::int32_t length = 0;
    std::uint32_t extra = 0;
};

// A client data file opened for reading, shared with the running client.
class DataFile {
  public:
    static std::optional<DataFile> open(const std::filesystem::path& path);

    std::uint64_t size() const { return file_.size(); }
    // Reads exactly n bytes at a position, or nothing.
    bool readAt(std::uint64_t position, void* destination, std::size_t n) const {
        return file_.readAt(position, destination, n);
    }

    // Record n of an index file; an entry counts only when its 12 bytes lie inside the file.
    std::optional<IndexRecord> indexRecord(std::uint64_t n) const;
    // The bytes of a record that lie both inside its length and inside this file.
    std::vector<std::uint8_t> recordBytes(const IndexRecord& record) const;

  private:
    explicit DataFile(platform::ReadOnlyFile file) : file_(std::move(file)) {}
    platform::ReadOnlyFile file_;
};

}  // namespace kaj::controls
