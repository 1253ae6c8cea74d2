#include "ArtDecoders.h"

namespace kaj::glyph {

void decodeLight(RecordReader& record, const IndexRecord& index, DrawTarget& target) {
    // Light files store the width in the low half of extra and the height in the high half.
    const int width = static_cast<int>(index.extra & 0xFFFF);
    const int storedHeight = static_cast<int>(index.extra >> 16);
    const int height = storedHeight == 0 ? width : storedHeight;
    if (width == 0)
        return;
    const int left = target.buffer.width() / 2 - width / 2;
    const int top = target.buffer.height() / 2 - height / 2;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const auto level = record.u8();
            if (!level)
                return;
            target.buffer.put(left + column, top + row,
                              target.hues.convert(static_cast<std::uint16_t>(*level << 8), 0));
        }
    }
}

}  // namespace kaj::glyph
