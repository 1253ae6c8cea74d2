#include <algorithm>
#include <vector>

#include "ArtDecoders.h"

namespace kaj::glyph {
namespace {
constexpr std::uint32_t kLargestGumpSide = 4096;
}

void decodeGump(RecordReader& record, const IndexRecord& index, DrawTarget& target) {
    const std::uint32_t width = index.extra >> 16;
    const std::uint32_t height = index.extra & 0xFFFF;
    if (width == 0 || height == 0 || width > kLargestGumpSide || height > kLargestGumpSide) {
        return;
    }
    std::vector<std::uint32_t> rowOffsets(height);
    for (auto& offset : rowOffsets) {
        const auto value = record.u32();
        if (!value)
            return;
        offset = *value;
    }
    const int bufferWidth = target.buffer.width();
    const int left = bufferWidth / 2 - static_cast<int>(width) / 2;
    const int top = target.buffer.height() / 2 - static_cast<int>(height) / 2;
    const std::int32_t wordsInRecord = index.length / 4;
    for (std::uint32_t row = 0; row < height; ++row) {
        const std::int64_t next =
            row + 1 < height ? static_cast<std::int64_t>(rowOffsets[row + 1]) : wordsInRecord;
        const auto runs =
            static_cast<std::uint16_t>(next - static_cast<std::int64_t>(rowOffsets[row]));
        record.seek(4ull * rowOffsets[row]);
        const int y = top + static_cast<int>(row);
        std::int64_t x = 0;
        for (unsigned run = 0; run < runs; ++run) {
            const auto word = record.u32();
            if (!word)
                return;
            const std::uint32_t length = *word >> 16;
            if (length == 0)
                continue;
            const std::uint32_t colour =
                target.hues.convert(static_cast<std::uint16_t>(*word & 0xFFFF), 0);
            // Only the part of the run inside the buffer is written.
            const std::int64_t from = std::max<std::int64_t>(left + x, 0);
            const std::int64_t to = std::min<std::int64_t>(left + x + length, bufferWidth);
            for (std::int64_t px = from; px < to; ++px) {
                target.buffer.put(static_cast<int>(px), y, colour);
            }
            x += length;
        }
    }
}

}  // namespace kaj::glyph
