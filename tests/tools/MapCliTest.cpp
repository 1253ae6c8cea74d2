// kajcli render-map and map-height against the renderer the map control draws with.
#include <gtest/gtest.h>

#include <QImage>

#include "BufferImage.h"
#include "ClientDataWriter.h"
#include "GeneratedWorld.h"
#include "MapRenderer.h"
#include "RunProgram.h"
#include "TempFolder.h"

namespace kaj::cli {
namespace {

using kaj::testing::runProgram;
using kaj::testing::TempFolder;

const TempFolder& world() {
    return kaj::testing::generatedWorld<11>();
}

QImage expected(const terrain::MapView& view, int w, int h) {
    const auto renderer = terrain::MapRenderer::fromFolder(world().path());
    controls::PixelBuffer buffer;
    EXPECT_TRUE(renderer.render(view, w, h, buffer));
    return kaj::testing::bufferImage(buffer);
}

TEST(MapCli, RendersThePixelsOfTheControlAtEveryZoomCornerAndSize) {
    TempFolder out;
    struct Case {
        int x, y, zoom;
        bool statics;
        int w, h;
    };
    const Case cases[] = {{3072, 2048, 0, false, 400, 300},  {0, 0, -5, true, 256, 128},
                          {6143, 4095, 9, true, 96, 64},     {6143, 0, 3, true, 800, 600},
                          {0, 4095, -1, true, 200, 104},     {180, 180, 2, true, 320, 200},
                          {3000, 1000, -4, false, 400, 300}, {3000, 1000, -2, true, 400, 300},
                          {100, 3000, 8, false, 88, 72}};
    for (const auto& c : cases) {
        const auto file = (out / "map.png").string();
        std::vector<std::string> command = {
            KAJ_KAJCLI, "render-map",
            "--client", world().path().string(),
            "--center", std::to_string(c.x) + "," + std::to_string(c.y),
            "--zoom",   std::to_string(c.zoom),
            "--size",   std::to_string(c.w) + "x" + std::to_string(c.h),
            "--out",    file};
        if (c.statics)
            command.push_back("--statics");
        std::string errors;
        ASSERT_EQ(runProgram(command, &errors), 0) << errors;
        const QImage image(QString::fromStdString(file));
        terrain::MapView view{static_cast<std::int16_t>(c.zoom), static_cast<std::int16_t>(c.x),
                              static_cast<std::int16_t>(c.y), c.statics};
        EXPECT_EQ(image.convertToFormat(QImage::Format_RGB888), expected(view, c.w, c.h))
            << c.x << "," << c.y << " zoom " << c.zoom;
    }
}

TEST(MapCli, DefaultsAndOutOfWorldCentresBehaveAsTheControl) {
    TempFolder out;
    const auto file = (out / "map.png").string();
    ASSERT_EQ(runProgram({KAJ_KAJCLI, "render-map", "--client", world().path().string(), "--center",
                          "7000,10", "--out", file}),
              0);
    EXPECT_EQ(QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB888),
              expected({0, 3072, 2048, false}, 400, 300));
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "render-map", "--client", out.path().string(), "--center",
                          "1,1", "--out", file}),
              1);  // no map files there
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "render-map", "--center", "1", "--out", file}), 2);
}

TEST(MapCli, MapHeightPrintsTheAltitudeAndTakesNegativeNumbers) {
    TempFolder out;
    const auto renderer = terrain::MapRenderer::fromFolder(world().path());
    for (const auto& [x, y] :
         std::vector<std::pair<int, int>>{{0, 0}, {9, 1}, {3072, 2048}, {6143, 4095}, {-1, 5}}) {
        std::vector<std::string> command = {KAJ_KAJCLI,        "map-height",
                                            "--client",        world().path().string(),
                                            std::to_string(x), std::to_string(y)};
        std::string printed;
        ASSERT_EQ(runProgram(command, nullptr, &printed), 0);
        EXPECT_EQ(printed, std::to_string(renderer.mapHeight(x, y)) + "\n") << x << "," << y;
    }
}

}  // namespace
}  // namespace kaj::cli
