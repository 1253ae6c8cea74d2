#include "ArtDecoders.h"

namespace kaj::glyph {

int textureSide(const IndexRecord& index) {
    const std::int64_t side = index.extra & 0xFFFF;
    if (side * side * 2 == index.length) {
        return static_cast<int>(side);
    }
    return index.length == 0x2000 ? 64 : 128;
}

void decodeTexture(RecordReader& record, const IndexRecord& index, DrawTarget& target) {
    const int side = textureSide(index);
    if (side == 0)
        return;
    const int left = target.buffer.width() / 2 - side / 2;
    const int top = target.buffer.height() / 2 - side / 2;
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            const auto colour = record.u16();
            if (!colour)
                return;
            target.buffer.put(left + column, top + row, target.hues.convert(*colour, 0));
        }
    }
}

}  // namespace kaj::glyph
