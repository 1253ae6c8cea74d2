// Whole client files: the input is split into an index file, a data file and a tile
// data file, and every art type is drawn from them (multis included).
#include "ArtLibrary.h"
#include "FuzzFiles.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    fuzz::FuzzInput input(data, size);
    const std::uint16_t indexBytes = input.u16();
    const std::uint16_t index = input.u16();
    const std::uint16_t hue = input.u16();
    auto rest = input.rest();
    const std::size_t split = std::min<std::size_t>(indexBytes, rest.size());
    static const auto folder = fuzz::scratchFolder("kaj-art-fuzz");
    const auto indexPart = rest.subspan(0, split);
    const auto dataPart = rest.subspan(split);
    for (const char* name :
         {"artidx.mul", "anim.idx", "multi.idx", "gumpidx.mul", "texidx.mul", "lightidx.mul"}) {
        fuzz::writeFile(folder / name, indexPart);
    }
    for (const char* name : {"art.mul", "anim.mul", "multi.mul", "gumpart.mul", "texmaps.mul",
                             "light.mul", "tiledata.mul", "hues.mul"}) {
        fuzz::writeFile(folder / name, dataPart);
    }
    const auto library = glyph::ArtLibrary::fromFolder(folder);
    controls::PixelBuffer buffer;
    buffer.resizeForBounds(64, 64);
    for (std::int16_t type = 0; type < 8; ++type) {
        glyph::ArtProperties properties{type, static_cast<std::uint32_t>(index % 16), hue};
        library.draw(properties, buffer, 0);
    }
    return 0;
}
