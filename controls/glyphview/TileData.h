#pragma once

#include <cstdint>
#include <optional>

#include "DataFile.h"

namespace kaj::glyph {

using controls::DataFile;

enum class TileDataLayout {
    Classic,  // 32-bit flags: item blocks of 1188 bytes after 428032 bytes of land
    Wide,     // 64-bit flags of current clients: blocks of 1316 bytes after 0x78800
};

// Tells the layouts apart by the file's size.
TileDataLayout tileDataLayout(std::uint64_t fileSize);
std::uint64_t itemRecordPosition(TileDataLayout layout, std::uint32_t item);
// The height byte of an item, when the file holds its record.
std::optional<std::uint8_t> itemHeight(const DataFile& tileData, std::uint32_t item);

}  // namespace kaj::glyph
