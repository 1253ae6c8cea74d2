#include "RenderArtCli.h"

#include <cstdio>
#include <map>
#include <memory>

#include "ArtLibrary.h"
#include "CliArguments.h"

namespace kaj::cli {

int runRenderArt(int argc, char** argv) {
    static constexpr OptionRule kRules[] = {{"--client", 1, true}, {"--type", 1, true},
                                            {"--index", 1, true},  {"--color", 1, true},
                                            {"--size", 1, true},   {"--background", 1, true},
                                            {"--out", 1, true}};
    const auto given = parseOptions(argc, argv, kRules);
    if (!given || !given->has("--type") || !given->has("--index") || !given->has("--out")) {
        std::fprintf(
            stderr,
            "usage: kajcli render-art [--client DIR] --type T --index N [--color H] [--size WxH] "
            "[--background RRGGBB] --out FILE.png\n");
        return 2;
    }
    const auto type = parseInteger(given->wordOf("--type"));
    const auto index = parseInteger(given->wordOf("--index"));
    const auto colour = parseInteger(given->wordOf("--color", "0"));
    if (!type || *type < -32768 || *type > 32767) {
        std::fprintf(stderr, "kajcli render-art: --type takes a 16-bit number\n");
        return 2;
    }
    if (!index || *index < -2147483648LL || *index > 4294967295LL) {
        std::fprintf(stderr, "kajcli render-art: --index takes a 32-bit number\n");
        return 2;
    }
    if (!colour) {
        std::fprintf(stderr, "kajcli render-art: --color takes a number\n");
        return 2;
    }
    int width = 200;
    int height = 200;
    if (given->has("--size") && !parseSize(given->wordOf("--size"), width, height)) {
        std::fprintf(stderr, "kajcli render-art: --size takes WxH\n");
        return 2;
    }
    const auto background = parseBackground(given->wordOf("--background", "F0F0F0"));
    if (!background) {
        std::fprintf(stderr, "kajcli render-art: --background takes RRGGBB\n");
        return 2;
    }
    const std::filesystem::path folder = clientFolderOf(given->wordOf("--client"));

    const auto library = glyph::ArtLibrary::fromFolder(folder);
    glyph::ArtProperties properties{static_cast<std::int16_t>(*type),
                                    static_cast<std::uint32_t>(*index),
                                    static_cast<std::uint16_t>(*colour & 0xFFFF)};
    controls::PixelBuffer buffer;
    buffer.resizeForBounds(width, height);
    library.draw(properties, buffer, *background);
    if (buffer.width() == 0 || buffer.height() == 0) {
        std::fprintf(stderr, "kajcli render-art: the size leaves no whole 8 x 8 pixels\n");
        return 2;
    }
    const std::string out = given->wordOf("--out");
    if (!writePng(out, buffer.bytes().data(), buffer.width(), buffer.height())) {
        std::fprintf(stderr, "kajcli render-art: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}

}  // namespace kaj::cli
