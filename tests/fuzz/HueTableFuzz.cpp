// Any hues file, any colour, any hue number.
#include "FuzzInput.h"
#include "HueTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kaj::fuzz::FuzzInput input(data, size);
    const std::uint16_t colour = input.u16();
    const std::uint32_t hue = input.u32();
    const auto rest = input.rest();
    const kaj::glyph::HueTable hues(std::vector<std::uint8_t>(rest.begin(), rest.end()));
    volatile std::uint32_t converted = hues.convert(colour, hue);
    (void)converted;
    for (std::uint32_t h = 0; h <= 8 * hues.blockCount() + 1 && h < 64; ++h) {
        converted = hues.convert(static_cast<std::uint16_t>(colour + h), h);
    }
    return 0;
}
