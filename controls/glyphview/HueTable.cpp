#include "HueTable.h"

#include "Colour555.h"
#include "TextFile.h"

namespace kaj::glyph {
namespace {

// Every 15-bit colour converted once; bit 15 plays no part in the conversion.
const std::vector<std::uint32_t>& plainColours() {
    static const std::vector<std::uint32_t> table = [] {
        std::vector<std::uint32_t> colours(0x8000);
        for (std::uint32_t c = 0; c < 0x8000; ++c) {
            colours[c] = controls::convertColour555(static_cast<std::uint16_t>(c));
        }
        return colours;
    }();
    return table;
}

}  // namespace

HueTable::HueTable(std::vector<std::uint8_t> wholeBlocks) : blocks_(std::move(wholeBlocks)) {
    blocks_.resize(blocks_.size() / kHueBlockSize * kHueBlockSize);
}

HueTable HueTable::load(const std::filesystem::path& huesFile) {
    const auto bytes = platform::readWholeFile(huesFile);
    if (!bytes) {
        return {};
    }
    return HueTable(std::vector<std::uint8_t>(bytes->begin(), bytes->end()));
}

std::uint32_t HueTable::convert(std::uint16_t colour, std::uint32_t hue) const {
    static const std::vector<std::uint32_t>& plain = plainColours();
    if (hue == 0 || hue > 8 * blockCount()) {
        return plain[colour & 0x7FFF];
    }
    const std::size_t record = (hue - 1) % 8;
    const std::size_t block = (hue - 1) / 8;
    // The grey level takes bit 15 along with red, so it reaches 41: past the 32
    // colours, into the record's other words.
    const unsigned grey = ((colour & 31u) + ((colour >> 5) & 31u) + (colour >> 10)) / 3u;
    const std::size_t at = block * kHueBlockSize + 4 + record * 88 + grey * 2;
    const auto word = static_cast<std::uint16_t>(blocks_[at] | (blocks_[at + 1] << 8));
    return plain[word & 0x7FFF];
}

}  // namespace kaj::glyph
