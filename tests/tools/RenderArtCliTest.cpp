// kajcli render-art against the library that the control draws with.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "ArtLibrary.h"
#include "BufferImage.h"
#include "ClientDataWriter.h"
#include "FileSystemTraits.h"
#include "RunProgram.h"
#include "TempFolder.h"

namespace kaj::cli {
namespace {

using kaj::testing::runProgram;
using kaj::testing::TempFolder;

struct RenderArtFixture : ::testing::Test {
    TempFolder client;
    TempFolder out;
    void SetUp() override { clientdata::writeClientData(client.path(), {.seed = 7}); }

    QImage render(const std::vector<std::string>& arguments, int expectedStatus = 0) {
        std::vector<std::string> command = {KAJ_KAJCLI, "render-art"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        command.push_back("--out");
        command.push_back((out / "art.png").string());
        std::string errors;
        EXPECT_EQ(runProgram(command, &errors), expectedStatus) << errors;
        return QImage(QString::fromStdString((out / "art.png").string()));
    }

    // The same picture through the library, as RGB.
    QImage expected(std::int16_t type, std::uint32_t index, std::uint16_t hue, int w, int h,
                    std::uint32_t bg) {
        auto library = glyph::ArtLibrary::fromFolder(client.path());
        glyph::ArtProperties properties{type, index, hue};
        controls::PixelBuffer buffer;
        buffer.resizeForBounds(w, h);
        library.draw(properties, buffer, bg);
        return kaj::testing::bufferImage(buffer);
    }
};

TEST_F(RenderArtFixture, WritesExactlyThePixelsOfTheControlsBufferForEveryType) {
    const std::vector<std::array<int, 3>> pictures = {
        {0, 1, 0}, {0, 1, 20}, {0, 2, 0}, {1, 200, 3},   {1, 5, 0}, {2, 0, 0},
        {3, 0, 0}, {4, 3, 0},  {5, 1, 0}, {6, 20399, 0}, {7, 0, 0}};
    for (const auto& [type, index, hue] : pictures) {
        const QImage image =
            render({"--client", client.path().string(), "--type", std::to_string(type), "--index",
                    std::to_string(index), "--color", std::to_string(hue)});
        ASSERT_EQ(image.size(), QSize(200, 200)) << type << "/" << index;
        EXPECT_EQ(image.convertToFormat(QImage::Format_RGB888),
                  expected(static_cast<std::int16_t>(type), static_cast<std::uint32_t>(index),
                           static_cast<std::uint16_t>(hue), 200, 200, 0x00F0F0F0))
            << type << "/" << index;
    }
}

TEST_F(RenderArtFixture, SizesRoundDownAndBackgroundsAndLimitsApply) {
    const QImage small = render({"--client", client.path().string(), "--type", "4", "--index", "3",
                                 "--size", "103x50", "--background", "102030"});
    EXPECT_EQ(small.size(), QSize(96, 48));
    EXPECT_EQ(small.pixel(0, 0), qRgb(0x10, 0x20, 0x30));
    const QImage negative =
        render({"--client", client.path().string(), "--type", "0", "--index", "-1"});
    EXPECT_EQ(negative.pixel(100, 100), qRgb(0xF0, 0xF0, 0xF0));
    const QImage largest =
        render({"--client", client.path().string(), "--type", "3", "--index", "4294967295"});
    EXPECT_EQ(largest.pixel(100, 100), qRgb(0xF0, 0xF0, 0xF0));
    const QImage unknown =
        render({"--client", client.path().string(), "--type", "-7", "--index", "0"});
    EXPECT_EQ(unknown.pixel(100, 100), qRgb(0xF0, 0xF0, 0xF0));
    // --color takes its low 16 bits: 65536 + 20 is hue 20.
    EXPECT_EQ(render({"--client", client.path().string(), "--type", "0", "--index", "1", "--color",
                      "65556"}),
              render({"--client", client.path().string(), "--type", "0", "--index", "1", "--color",
                      "20"}));
    render({"--client", client.path().string(), "--type", "0", "--index", "4294967296"}, 2);
    render({"--client", client.path().string(), "--type", "40000", "--index", "0"}, 2);
    render({"--client", client.path().string(), "--type", "0", "--index", "0", "--size", "7x7"}, 2);
}

TEST_F(RenderArtFixture, ADeviceNamedAsTheOutputIsWrittenIntoAndStaysADevice) {
#ifdef _WIN32
    const std::string device = "NUL";
#else
    const std::string device = "/dev/null";
#endif
    std::string errors;
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "render-art", "--client", client.path().string(), "--type",
                          "0", "--index", "1", "--out", device},
                         &errors),
              0)
        << errors;
#ifndef _WIN32
    EXPECT_TRUE(std::filesystem::is_character_file(device));
#endif
}

TEST_F(RenderArtFixture, WithoutAFolderTheClientIsFoundThroughWinesRegistry) {
    if (!kaj::testing::kRegistryIsWinesFile) {
        GTEST_SKIP() << "the registry is read through its API here";
    }
    TempFolder prefix;
    clientdata::writeWinePrefix(prefix.path(), client.path());
    qputenv("WINEPREFIX", QByteArray::fromStdString(prefix.path().string()));
    const QImage found = render({"--type", "5", "--index", "0"});
    qunsetenv("WINEPREFIX");
    EXPECT_EQ(found.convertToFormat(QImage::Format_RGB888),
              expected(5, 0, 0, 200, 200, 0x00F0F0F0));
    EXPECT_NE(found.pixel(100, 100), qRgb(0xF0, 0xF0, 0xF0));
}

}  // namespace
}  // namespace kaj::cli
