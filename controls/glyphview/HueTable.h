#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kaj::glyph {

constexpr std::size_t kHueBlockSize = 708;  // a 4-byte header and 8 hues of 88 bytes

// The client's hues: blocks of eight, read whole once. A trailing part shorter
// than a block is dropped.
class HueTable {
  public:
    HueTable() = default;
    explicit HueTable(std::vector<std::uint8_t> wholeBlocks);
    static HueTable load(const std::filesystem::path& huesFile);

    std::size_t blockCount() const { return blocks_.size() / kHueBlockSize; }
    // Hue h (from 1) applies when h <= 8 * blocks; 0 or a larger number leaves the
    // colour as it is. The result is a converted colour (blue * 65536 + green * 256 + red).
    std::uint32_t convert(std::uint16_t colour, std::uint32_t hue) const;

  private:
    std::vector<std::uint8_t> blocks_;
};

}  // namespace kaj::glyph
