#include "MapBlocks.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ClientFolder.h"
#include "MapView.h"

namespace kaj::terrain {
namespace {

constexpr const char* kMapFile = "map0.mul";
constexpr const char* kMapPackage = "map0LegacyMUL.uop";
constexpr std::uint64_t kEntryBytes = MapBlocks::kBlocksPerEntry * kBlockBytes;
// More entries than the widest map needs are never looked for.
constexpr std::uint64_t kMostEntries =
    (static_cast<std::uint64_t>(kWideBlockColumns) * kBlockRows + MapBlocks::kBlocksPerEntry - 1) /
    MapBlocks::kBlocksPerEntry;

std::string entryName(std::uint64_t k) {
    return controls::numberedEntryName("build/map0legacymul/", k, ".dat");
}

}  // namespace

std::vector<std::filesystem::path> MapBlocks::candidateFiles(
    const std::filesystem::path& clientFolder) {
    return {controls::clientFile(clientFolder, kMapPackage),
            controls::clientFile(clientFolder, kMapFile)};
}

std::optional<MapBlocks> MapBlocks::open(const std::filesystem::path& clientFolder) {
    MapBlocks blocks;
    if (auto package =
            controls::ClientPackage::open(controls::clientFile(clientFolder, kMapPackage))) {
        for (std::uint64_t k = 0; k < kMostEntries; ++k) {
            const auto entry = package->find(entryName(k));
            if (!entry) {
                break;
            }
            const Piece piece{k * kEntryBytes, std::min(entry->length(), kEntryBytes), *entry};
            blocks.pieces_.push_back(piece);
            blocks.size_ = piece.start + piece.length;
        }
        if (!blocks.pieces_.empty()) {
            blocks.package_ = std::move(*package);
            return blocks;
        }
    }
    auto mul = controls::DataFile::open(controls::clientFile(clientFolder, kMapFile));
    if (!mul) {
        return std::nullopt;
    }
    blocks.size_ = mul->size();
    blocks.mul_ = std::move(*mul);
    return blocks;
}

bool MapBlocks::readAt(std::uint64_t position, void* destination, std::size_t n) const {
    if (position > size_ || n > size_ - position) {
        return false;
    }
    if (mul_) {
        return mul_->readAt(position, destination, n);
    }
    auto* out = static_cast<std::uint8_t*>(destination);
    const std::uint64_t end = position + n;
    std::uint64_t done = position;  // everything before it is written
    for (std::size_t k = static_cast<std::size_t>(position / kEntryBytes);
         k < pieces_.size() && pieces_[k].start < end; ++k) {
        const Piece& piece = pieces_[k];
        const std::uint64_t from = std::max(position, piece.start);
        const std::uint64_t to = std::min(end, piece.start + piece.length);
        if (from < to) {
            std::memset(out + (done - position), 0, static_cast<std::size_t>(from - done));
            readPiece(piece, from - piece.start, out + (from - position),
                      static_cast<std::size_t>(to - from));
            done = to;
        }
    }
    std::memset(out + (done - position), 0, static_cast<std::size_t>(end - done));
    return true;
}

void MapBlocks::readPiece(const Piece& piece, std::uint64_t from, std::uint8_t* destination,
                          std::size_t n) const {
    if (piece.entry.compression == 0) {
        if (!package_->readStored(piece.entry, from, destination, n)) {
            std::memset(destination, 0, n);
        }
        return;
    }
    const auto k = static_cast<std::size_t>(piece.start / kEntryBytes);
    const std::lock_guard<std::mutex> lock(*unpacking_);
    if (unpackedPiece_ != k) {
        unpacked_ = package_->read(piece.entry);
        unpackedPiece_ = k;
    }
    const std::size_t available =
        from < unpacked_.size() ? std::min<std::size_t>(n, unpacked_.size() - from) : 0;
    if (available > 0) {
        std::memcpy(destination, unpacked_.data() + from, available);
    }
    std::memset(destination + available, 0, n - available);
}

}  // namespace kaj::terrain
