#include <vector>

#include "ArtDecoders.h"

namespace kaj::glyph {
namespace {
constexpr std::uint16_t kLargestSide = 1024;
constexpr unsigned kLongestRun = 2048;
}  // namespace

void decodeItemArt(RecordReader& record, DrawTarget& target) {
    const auto header = record.u32();
    if (!header)
        return;
    if (*header == 0 || *header > 0xFFFF) {
        decodeLandTile(record, target);
        return;
    }
    const auto width = record.u16();
    const auto height = record.u16();
    if (!width || !height || *width == 0 || *height == 0 || *width > kLargestSide ||
        *height > kLargestSide) {
        return;
    }
    std::vector<std::uint16_t> rowOffsets(*height);
    for (auto& offset : rowOffsets) {
        const auto value = record.u16();
        if (!value)
            return;
        offset = *value;
    }
    const std::uint64_t pixelsStart = record.position();
    const int left = target.dx + (target.buffer.width() - *width) / 2;
    const int top = target.dy + (target.buffer.height() - *height) / 2;
    int row = 0;
    int x = 0;
    while (true) {
        const auto skip = record.u16();
        const auto length = record.u16();
        if (!skip || !length)
            return;
        if (static_cast<unsigned>(*skip) + *length > kLongestRun)
            return;
        if (*skip == 0 && *length == 0) {
            ++row;
            x = 0;
            if (row >= *height)
                return;
            record.seek(pixelsStart + 2ull * rowOffsets[static_cast<std::size_t>(row)]);
            continue;
        }
        x += *skip;
        for (int i = 0; i < *length; ++i) {
            const auto colour = record.u16();
            if (!colour)
                return;
            target.buffer.put(left + x + i, top + row, target.hues.convert(*colour, target.hue));
        }
        x += *length;
    }
}

}  // namespace kaj::glyph
