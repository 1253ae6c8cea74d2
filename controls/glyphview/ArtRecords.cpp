#include "ArtRecords.h"

#include "ClientFolder.h"
#include "LittleEndian.h"

namespace kaj::glyph {

ArtRecords::ArtRecords(const std::filesystem::path& folder, const RecordFiles& files)
    : files_(files),
      dataPath_(controls::clientFile(folder, files.data)),
      indexPath_(controls::clientFile(folder, files.index)) {
    if (files.package == nullptr) {
        return;
    }
    if (auto package = controls::ClientPackage::open(controls::clientFile(folder, files.package))) {
        package_ = std::make_shared<const controls::ClientPackage>(std::move(*package));
    }
}

std::optional<LoadedRecord> ArtRecords::read(std::uint64_t n) const {
    if (package_) {
        return readPackaged(n);
    }
    const auto data = controls::DataFile::open(dataPath_);
    if (!data)
        return std::nullopt;
    const auto index = controls::DataFile::open(indexPath_);
    if (!index)
        return std::nullopt;
    const auto record = index->indexRecord(n);
    if (!record || record->offset == -1)
        return std::nullopt;
    return LoadedRecord{*record, data->recordBytes(*record)};
}

// Entries are named after the record's number in eight digits; some of the gumps
// EA ships carry seven.
std::optional<LoadedRecord> ArtRecords::readPackaged(std::uint64_t n) const {
    if (n > 99999999) {
        return std::nullopt;
    }
    std::optional<controls::PackageEntry> entry;
    for (int digits : {8, 7}) {
        entry = package_->find(controls::numberedEntryName(files_.entryFolder, n, ".tga", digits));
        if (entry || !files_.sizeInData) {
            break;
        }
    }
    if (!entry) {
        return std::nullopt;
    }
    LoadedRecord record;
    record.bytes = package_->read(*entry);
    record.index.offset = 0;
    if (files_.sizeInData) {
        if (record.bytes.size() < 8) {
            return std::nullopt;
        }
        const std::uint32_t width = controls::readLittle32(record.bytes.data());
        const std::uint32_t height = controls::readLittle32(record.bytes.data() + 4);
        // A side past 16 bits cannot be told in the index's field; it shows nothing.
        if (width > 0xFFFF || height > 0xFFFF) {
            return std::nullopt;
        }
        record.index.extra = width << 16 | height;
        record.bytes.erase(record.bytes.begin(), record.bytes.begin() + 8);
    }
    record.index.length = static_cast<std::int32_t>(record.bytes.size());
    return record;
}

}  // namespace kaj::glyph
