#include <array>
#include <optional>

#include "ArtDecoders.h"

namespace kaj::glyph {
namespace {
constexpr std::uint16_t kEndOfFrame = 0x7FFF;
constexpr std::uint64_t kPaletteBytes = 512;
}  // namespace

void decodeAnimation(RecordReader& record, DrawTarget& target) {
    std::array<std::uint16_t, 256> palette{};
    for (auto& colour : palette) {
        const auto value = record.u16();
        if (!value)
            return;
        colour = *value;
    }
    const auto frameCount = record.u32();
    if (!frameCount || *frameCount == 0)
        return;
    if (!record.fits(4ull * *frameCount))
        return;
    const auto firstFrame = record.u32();
    record.seek(kPaletteBytes + *firstFrame);
    const auto h1 = record.s16();
    const auto h2 = record.s16();
    const auto h3 = record.s16();
    const auto h4 = record.s16();
    if (!h1 || !h2 || !h3 || !h4)
        return;

    const int width = target.buffer.width();
    const int height = target.buffer.height();
    int y = height / 2 - *h4 + *h1;
    std::optional<unsigned> previousMarker;
    while (true) {
        const auto lo = record.u16();
        const auto hi = record.u16();
        if (!lo || !hi || *lo == kEndOfFrame || *hi == kEndOfFrame)
            return;
        const unsigned length = *lo & 0x0FFF;
        const unsigned marker = *lo >> 12;
        const int xOffset = static_cast<std::int16_t>(*hi) >> 6;
        if (previousMarker && *previousMarker != marker) {
            ++y;
        }
        previousMarker = marker;
        if (y < 0) {
            record.skip(length);
            continue;
        }
        for (unsigned i = 0; i < length; ++i) {
            const auto entry = record.u8();
            if (!entry)
                return;
            const int x = width / 2 + xOffset + static_cast<int>(i);
            if (x >= 0 && x < width && y < height) {
                target.buffer.put(x, y, target.hues.convert(palette[*entry], target.hue));
            }
        }
    }
}

}  // namespace kaj::glyph
