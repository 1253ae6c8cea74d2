// One record through every decoder of the art control, into a buffer of a chosen size.
#include "ArtDecoders.h"
#include "FuzzInput.h"
#include "HueTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    fuzz::FuzzInput input(data, size);
    const std::uint32_t extra = input.u32();
    const auto length = static_cast<std::int32_t>(input.u32());
    const std::uint16_t sizes = input.u16();
    const std::uint16_t shifts = input.u16();
    const std::uint16_t hue = input.u16();
    const auto record = input.rest();

    static const glyph::HueTable hues(std::vector<std::uint8_t>(glyph::kHueBlockSize * 2, 0x5A));
    controls::PixelBuffer buffer;
    buffer.resizeForBounds(sizes & 0xFF, sizes >> 8);
    const controls::IndexRecord index{0, length, extra};
    glyph::DrawTarget target{buffer, hues, static_cast<std::int8_t>(shifts & 0xFF) * 8,
                             static_cast<std::int8_t>(shifts >> 8) * 8, hue};
    for (int kind = 0; kind < 6; ++kind) {
        glyph::RecordReader reader(record);
        switch (kind) {
            case 0:
                glyph::decodeLandTile(reader, target);
                break;
            case 1:
                glyph::decodeItemArt(reader, target);
                break;
            case 2:
                glyph::decodeGump(reader, index, target);
                break;
            case 3:
                glyph::decodeTexture(reader, index, target);
                break;
            case 4:
                glyph::decodeLight(reader, index, target);
                break;
            case 5:
                glyph::decodeAnimation(reader, target);
                break;
        }
    }
    return 0;
}
