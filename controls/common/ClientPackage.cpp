#include "ClientPackage.h"

#include <zlib.h>

#include <algorithm>
#include <unordered_set>

#include "LittleEndian.h"
#include "PackageNameHash.h"

namespace kaj::controls {
namespace {

constexpr std::uint32_t kMagic = 0x0050594D;  // "MYP\0"
constexpr std::uint32_t kNewestVersion = 5;
constexpr std::size_t kHeaderBytes = 28;
constexpr std::size_t kBlockHeaderBytes = 12;
constexpr std::size_t kEntryBytes = 34;

}  // namespace

std::string numberedEntryName(std::string_view folder, std::uint64_t n, std::string_view extension,
                              int digits) {
    std::string number = std::to_string(n);
    if (number.size() < static_cast<std::size_t>(digits)) {
        number.insert(0, static_cast<std::size_t>(digits) - number.size(), '0');
    }
    return std::string(folder) + number + std::string(extension);
}

std::optional<ClientPackage> ClientPackage::open(const std::filesystem::path& path) {
    auto file = platform::ReadOnlyFile::open(path);
    if (!file) {
        return std::nullopt;
    }
    std::uint8_t header[kHeaderBytes];
    if (!file->readAt(0, header, sizeof header) || readLittle32(header) != kMagic ||
        readLittle32(header + 4) > kNewestVersion) {
        return std::nullopt;
    }
    const std::uint64_t firstBlock = readLittle64(header + 12);
    ClientPackage package(std::move(*file));
    if (!package.readTable(firstBlock)) {
        return std::nullopt;
    }
    return package;
}

bool ClientPackage::readTable(std::uint64_t firstBlock) {
    const std::uint64_t fileSize = file_.size();
    if (firstBlock < kHeaderBytes || firstBlock > fileSize ||
        fileSize - firstBlock < kBlockHeaderBytes) {
        return false;
    }
    std::unordered_set<std::uint64_t> visited;
    std::vector<std::uint8_t> block;
    for (std::uint64_t at = firstBlock; at != 0 && visited.insert(at).second;) {
        std::uint8_t blockHeader[kBlockHeaderBytes];
        if (at > fileSize || fileSize - at < kBlockHeaderBytes ||
            !file_.readAt(at, blockHeader, sizeof blockHeader)) {
            break;
        }
        const std::uint64_t count = readLittle32(blockHeader);
        const std::uint64_t next = readLittle64(blockHeader + 4);
        const std::uint64_t tableStart = at + kBlockHeaderBytes;
        if (count > (fileSize - tableStart) / kEntryBytes) {
            break;
        }
        block.resize(static_cast<std::size_t>(count * kEntryBytes));
        if (!file_.readAt(tableStart, block.data(), block.size())) {
            break;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t* slot = block.data() + i * kEntryBytes;
            PackageEntry entry;
            entry.offset = readLittle64(slot);
            if (entry.offset == 0) {
                continue;
            }
            entry.headerLength = readLittle32(slot + 8);
            entry.storedLength = readLittle32(slot + 12);
            entry.realLength = readLittle32(slot + 16);
            entry.compression = readLittle16(slot + 32);
            entries_.emplace_back(readLittle64(slot + 20), entry);
        }
        at = next;
    }
    // The first entry of a name is the one found, as in table order.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    entries_.erase(std::unique(entries_.begin(), entries_.end(),
                               [](const auto& a, const auto& b) { return a.first == b.first; }),
                   entries_.end());
    entries_.shrink_to_fit();
    return true;
}

std::optional<PackageEntry> ClientPackage::find(std::uint64_t nameHash) const {
    const auto at =
        std::lower_bound(entries_.begin(), entries_.end(), nameHash,
                         [](const auto& entry, std::uint64_t hash) { return entry.first < hash; });
    if (at == entries_.end() || at->first != nameHash) {
        return std::nullopt;
    }
    return at->second;
}

std::optional<PackageEntry> ClientPackage::find(std::string_view name) const {
    return find(packageNameHash(name));
}

std::optional<std::uint64_t> ClientPackage::storedStart(const PackageEntry& entry) const {
    const std::uint64_t start = entry.offset + entry.headerLength;
    if (start < entry.offset || start > file_.size() ||
        entry.storedLength > file_.size() - start) {
        return std::nullopt;
    }
    return start;
}

bool ClientPackage::readStored(const PackageEntry& entry, std::uint64_t position,
                               void* destination, std::size_t n) const {
    const auto start = storedStart(entry);
    if (!start || entry.compression != 0 || position > entry.storedLength ||
        n > entry.storedLength - position) {
        return false;
    }
    return file_.readAt(*start + position, destination, n);
}

std::vector<std::uint8_t> ClientPackage::read(const PackageEntry& entry) const {
    const auto start = storedStart(entry);
    if (!start || entry.storedLength > kLargestEntry || entry.length() > kLargestEntry) {
        return {};
    }
    std::vector<std::uint8_t> stored(entry.storedLength);
    if (!file_.readAt(*start, stored.data(), stored.size())) {
        return {};
    }
    if (entry.compression == 0) {
        return stored;
    }
    // Deflate cannot grow data more than about 1032 times: a longer real length lies.
    if (entry.compression != 1 ||
        entry.realLength > static_cast<std::uint64_t>(entry.storedLength) * 1032 + 64) {
        return {};
    }
    std::vector<std::uint8_t> unpacked(entry.realLength);
    uLongf unpackedLength = static_cast<uLongf>(unpacked.size());
    if (uncompress(unpacked.data(), &unpackedLength, stored.data(),
                   static_cast<uLong>(stored.size())) != Z_OK) {
        return {};
    }
    unpacked.resize(unpackedLength);
    return unpacked;
}

}  // namespace kaj::controls
