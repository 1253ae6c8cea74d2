#include "MapCli.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "CliArguments.h"
#include "MapRenderer.h"
#include "ViewGeometry.h"

namespace kaj::cli {
namespace {

bool parseCentre(const std::string& text, std::int64_t& x, std::int64_t& y) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    const auto px = parseInteger(text.substr(0, comma));
    const auto py = parseInteger(text.substr(comma + 1));
    if (!px || !py)
        return false;
    x = *px;
    y = *py;
    return true;
}

}  // namespace

int runRenderMap(int argc, char** argv) {
    static constexpr OptionRule kRules[] = {{"--statics", 0, true}, {"--client", 1, true},
                                            {"--center", 1, true},  {"--out", 1, true},
                                            {"--size", 1, true},    {"--zoom", 1, true}};
    const auto given = parseOptions(argc, argv, kRules);
    if (!given) {
        std::fprintf(stderr,
                     "usage: kajcli render-map [--client DIR] --center X,Y [--zoom Z] "
                     "[--statics] [--size WxH] "
                     "--out FILE.png\n");
        return 2;
    }
    // Each --zoom is checked as it comes, the last one counting.
    std::int64_t zoom = 0;
    for (const auto& option : given->options) {
        if (option.name != "--zoom") {
            continue;
        }
        const auto value = parseInteger(option.words.front());
        if (!value || *value < -32768 || *value > 32767) {
            std::fprintf(stderr, "kajcli render-map: --zoom takes a 16-bit number\n");
            return 2;
        }
        zoom = *value;
    }
    const std::string client = given->wordOf("--client");
    const std::string centre = given->wordOf("--center");
    const std::string out = given->wordOf("--out");
    const std::string size = given->wordOf("--size", "400x300");
    const bool statics = given->has("--statics");
    std::int64_t x = 0;
    std::int64_t y = 0;
    int width = 0;
    int height = 0;
    if (out.empty() || !parseCentre(centre, x, y) || !parseSize(size, width, height)) {
        std::fprintf(
            stderr,
            "kajcli render-map: --center X,Y and --out FILE.png are needed; --size takes WxH\n");
        return 2;
    }
    const auto renderer = terrain::MapRenderer::fromFolder(clientFolderOf(client));
    terrain::MapView view;
    view.zoom = terrain::clampZoom(static_cast<int>(zoom));
    view.drawStatics = statics;
    view.worldWidth = renderer.worldWidth();
    // As the control's SetCenter: a centre outside the world is ignored.
    if (x >= 0 && x < view.worldWidth && y >= 0 && y < terrain::kWorldHeight) {
        view.xCenter = static_cast<std::int16_t>(x);
        view.yCenter = static_cast<std::int16_t>(y);
    }
    controls::PixelBuffer buffer;
    if (!renderer.render(view, width, height, buffer)) {
        std::fprintf(stderr, "kajcli render-map: the map files cannot be opened in %s\n",
                     renderer.file("map0.mul").parent_path().string().c_str());
        return 1;
    }
    if (buffer.width() == 0 || buffer.height() == 0) {
        std::fprintf(stderr, "kajcli render-map: the size leaves no whole 8 x 8 pixels\n");
        return 2;
    }
    if (!writePng(out, buffer.bytes().data(), buffer.width(), buffer.height())) {
        std::fprintf(stderr, "kajcli render-map: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}

int runMapHeight(int argc, char** argv) {
    static constexpr OptionRule kRules[] = {{"--client", 1, true}};
    const auto given = parseOptions(argc, argv, kRules, OtherWords::Taken);
    const std::string client = given->wordOf("--client");
    const std::vector<std::string>& numbers = given->others;
    const auto x = numbers.size() == 2 ? parseInteger(numbers[0]) : std::nullopt;
    const auto y = numbers.size() == 2 ? parseInteger(numbers[1]) : std::nullopt;
    if (!x || !y) {
        std::fprintf(stderr, "usage: kajcli map-height [--client DIR] X Y\n");
        return 2;
    }
    const auto renderer = terrain::MapRenderer::fromFolder(clientFolderOf(client));
    const auto clampToInt = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, -1, 1 << 20));
    };
    std::printf("%d\n", renderer.mapHeight(clampToInt(*x), clampToInt(*y)));
    return 0;
}

}  // namespace kaj::cli
