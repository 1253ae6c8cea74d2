// Corrupt and truncated map, statics and radar files through the renderer and the
// height query, at any zoom, centre and size.
#include "FuzzFiles.h"
#include "FuzzInput.h"
#include "MapRenderer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    fuzz::FuzzInput input(data, size);
    const std::uint16_t settings = input.u16();
    const std::uint16_t centre = input.u16();
    const std::uint16_t mapBytes = input.u16();
    const std::uint16_t indexBytes = input.u16();
    const auto rest = input.rest();
    const std::size_t mapEnd = std::min<std::size_t>(mapBytes, rest.size());
    const std::size_t indexEnd = std::min<std::size_t>(mapEnd + indexBytes, rest.size());
    static const auto folder = fuzz::scratchFolder("kaj-map-fuzz");
    fuzz::writeFile(folder / "map0.mul", rest.subspan(0, mapEnd));
    fuzz::writeFile(folder / "staidx0.mul", rest.subspan(mapEnd, indexEnd - mapEnd));
    fuzz::writeFile(folder / "statics0.mul", rest.subspan(indexEnd));
    fuzz::writeFile(folder / "radarcol.mul", rest.subspan(indexEnd));

    const auto renderer = terrain::MapRenderer::fromFolder(folder);
    terrain::MapView view;
    view.zoom =
        static_cast<std::int16_t>(static_cast<int>(settings & 0x1F) - 10);  // -10 ... 21, clamped
    view.drawStatics = (settings & 0x20) != 0;
    view.xCenter = static_cast<std::int16_t>((centre & 0xFF) * 24);
    view.yCenter = static_cast<std::int16_t>((centre >> 8) * 16);
    controls::PixelBuffer buffer;
    renderer.render(view, 8 + ((settings >> 6) & 0x3F) * 4, 8 + ((settings >> 12) & 0xF) * 8,
                    buffer);
    volatile std::int16_t height =
        renderer.mapHeight(static_cast<std::int16_t>(centre) - 100, centre % 50);
    (void)height;
    return 0;
}
