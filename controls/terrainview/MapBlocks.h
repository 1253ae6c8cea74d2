#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "ClientPackage.h"
#include "DataFile.h"

namespace kaj::terrain {

// The map's blocks as one run of bytes, column after column, whether the client
// keeps them in map0.mul or, as today's client does, in its package, whose entry k
// holds blocks 4096 k to 4096 k + 4095. Bytes a damaged entry cannot give read as
// zero (tile 0 at altitude 0), as the blocks past the end of a short file do.
// Reads may come from several threads.
class MapBlocks {
  public:
    static constexpr std::uint64_t kBlocksPerEntry = 4096;

    // The package when the folder holds one that reads, else map0.mul; nothing
    // when neither opens.
    static std::optional<MapBlocks> open(const std::filesystem::path& clientFolder);
    // The files open() may read, for telling when they change.
    static std::vector<std::filesystem::path> candidateFiles(
        const std::filesystem::path& clientFolder);

    std::uint64_t size() const { return size_; }
    // Exactly n bytes at a position inside size(), or false.
    bool readAt(std::uint64_t position, void* destination, std::size_t n) const;
    bool packaged() const { return package_.has_value(); }

  private:
    struct Piece {
        std::uint64_t start = 0;
        std::uint64_t length = 0;
        controls::PackageEntry entry;
    };
    MapBlocks() = default;
    void readPiece(const Piece& piece, std::uint64_t from, std::uint8_t* destination,
                   std::size_t n) const;

    std::optional<controls::DataFile> mul_;
    std::optional<controls::ClientPackage> package_;
    std::vector<Piece> pieces_;
    std::uint64_t size_ = 0;
    // The last packed entry unpacked, which the next read most likely wants again;
    // the map is read by two threads at once.
    mutable std::size_t unpackedPiece_ = static_cast<std::size_t>(-1);
    mutable std::vector<std::uint8_t> unpacked_;
    std::unique_ptr<std::mutex> unpacking_ = std::make_unique<std::mutex>();
};

}  // namespace kaj::terrain
