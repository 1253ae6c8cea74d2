#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ReadOnlyFile.h"

namespace kaj::controls {

// Where one file of a package lies and how it is kept.
struct PackageEntry {
    std::uint64_t offset = 0;  // of the entry's header
    std::uint32_t headerLength = 0;
    std::uint32_t storedLength = 0;
    std::uint32_t realLength = 0;
    std::uint16_t compression = 0;  // 0 stored, 1 zlib

    // The bytes the entry gives once unpacked.
    std::uint64_t length() const { return compression == 0 ? storedLength : realLength; }
};

// The name a package files record n under: the folder, n in as many digits as given
// (eight, or seven for some of EA's gumps), and the extension ("build/artlegacymul/",
// 5, ".tga" -> "build/artlegacymul/00000005.tga").
std::string numberedEntryName(std::string_view folder, std::uint64_t n, std::string_view extension,
                              int digits = 8);

// A client package (the .uop files of today's client): a table of files, each
// filed under the hash of its name. The table is read once when the package is
// opened; looking an entry up reads nothing. A damaged table ends where it stops
// making sense (a chain of blocks that loops or leaves the file); an entry that
// cannot be read whole gives no bytes.
class ClientPackage {
  public:
    static constexpr std::uint64_t kLargestEntry = std::uint64_t{64} << 20;

    // Nothing when the file is missing or no package (wrong magic, a newer
    // version, a table that starts outside the file).
    static std::optional<ClientPackage> open(const std::filesystem::path& path);

    std::optional<PackageEntry> find(std::uint64_t nameHash) const;
    std::optional<PackageEntry> find(std::string_view name) const;
    // The entry's bytes unpacked; empty when they lie outside the file, are longer
    // than kLargestEntry, or do not unpack.
    std::vector<std::uint8_t> read(const PackageEntry& entry) const;
    // n bytes at a position of a stored (uncompressed) entry's data.
    bool readStored(const PackageEntry& entry, std::uint64_t position, void* destination,
                    std::size_t n) const;

    std::size_t entryCount() const { return entries_.size(); }
    std::uint64_t size() const { return file_.size(); }

  private:
    explicit ClientPackage(platform::ReadOnlyFile file) : file_(std::move(file)) {}
    bool readTable(std::uint64_t firstBlock);
    // Where an entry's stored bytes start, when they lie whole inside the file.
    std::optional<std::uint64_t> storedStart(const PackageEntry& entry) const;

    platform::ReadOnlyFile file_;
    std::vector<std::pair<std::uint64_t, PackageEntry>> entries_;  // by hash
};

}  // namespace kaj::controls
