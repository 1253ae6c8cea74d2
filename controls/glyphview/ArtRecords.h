#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "ClientPackage.h"
#include "DataFile.h"

namespace kaj::glyph {

// A record with its data: the part inside both its length and its file.
struct LoadedRecord {
    controls::IndexRecord index;
    std::vector<std::uint8_t> bytes;
};

// Where one kind of picture is kept: a data file and its index, and for the kinds
// today's client packs, the package and the folder its entries are named in.
struct RecordFiles {
    const char* data;
    const char* index;
    const char* package = nullptr;      // "artLegacyMUL.uop"
    const char* entryFolder = nullptr;  // "build/artlegacymul/"
    bool sizeInData = false;            // a packed gump starts with its width and height
};

// The records of one kind, read from its package when the client folder holds one
// that reads as a package, else from the data file and its index (opened for
// each record, so the client may change them meanwhile). The package is opened once.
class ArtRecords {
  public:
    ArtRecords(const std::filesystem::path& folder, const RecordFiles& files);

    // Record n, or nothing when a file is missing or the entry is empty.
    std::optional<LoadedRecord> read(std::uint64_t n) const;
    bool packaged() const { return package_ != nullptr; }

  private:
    std::optional<LoadedRecord> readPackaged(std::uint64_t n) const;

    RecordFiles files_;
    std::filesystem::path dataPath_;
    std::filesystem::path indexPath_;
    std::shared_ptr<const controls::ClientPackage> package_;
};

}  // namespace kaj::glyph
