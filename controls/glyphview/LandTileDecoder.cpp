#include "ArtDecoders.h"

namespace kaj::glyph {

void decodeLandTile(RecordReader& record, DrawTarget& target) {
    const int width = target.buffer.width();
    const int height = target.buffer.height();
    // 45 rows: 0, 2, ... 44, 44, 42, ... 2 pixels, each centred on the diamond's axis.
    for (int row = 0; row <= 44; ++row) {
        const int rowWidth = row <= 22 ? 2 * row : 90 - 2 * row;
        const int y = target.dy + height / 2 + row - 22;
        const int left = target.dx + (width - 44) / 2 + 22 - rowWidth / 2;
        for (int i = 0; i < rowWidth; ++i) {
            const auto colour = record.u16();
            if (!colour)
                return;
            target.buffer.put(left + i, y, target.hues.convert(*colour, 0));
        }
    }
}

}  // namespace kaj::glyph
