#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "BlockColours.h"
#include "MapView.h"
#include "PixelBuffer.h"

namespace kaj::terrain {

// The radar colours: land tile t uses entry t, static n entry 0x4000 + n, for the
// 0x4000 land tiles and 0x10000 objects of today's client. Entries past the end of
// the file, an older client's shorter one, are black.
class ColourTable {
  public:
    static constexpr std::size_t kEntries = 0x4000 + 0x10000;

    ColourTable();  // all black
    static ColourTable load(const std::filesystem::path& radarcol);
    std::uint32_t land(std::uint16_t tile) const { return colours_[tile]; }
    std::uint32_t staticObject(std::uint16_t object) const { return colours_[0x4000u + object]; }

  private:
    std::vector<std::uint32_t> colours_;
};

// The world map of one client folder.
class MapRenderer {
  public:
    MapRenderer(std::filesystem::path clientFolder, ColourTable colours);
    static MapRenderer fromFolder(const std::filesystem::path& clientFolder);

    // Renders the view into a buffer sized for the bounds; false, leaving the buffer
    // as it was, when the map (or, with statics, their files) cannot be opened.
    bool render(const MapView& view, int boundsWidth, int boundsHeight,
                controls::PixelBuffer& buffer) const;
    // The altitude of a world cell; 0 outside the world or the file.
    std::int16_t mapHeight(int x, int y) const;
    // The map's width in cells, 6144 or 7168, as its file was when last read.
    int worldWidth() const { return kept_->blockColumns * 8; }

    std::filesystem::path file(const std::string& name) const;
    // What the colours kept between renders take; at most BlockColours' budget
    // after each render.
    std::size_t keptBytes() const;

  private:
    // The map files' sizes and times of change, which tell the kept colours are old.
    struct FilesStamp {
        std::array<std::uintmax_t, 4> sizes{};
        std::array<std::filesystem::file_time_type, 4> times{};
        bool operator==(const FilesStamp&) const = default;
    };
    struct Kept {
        FilesStamp stamp;
        BlockColours colours;
        int blockColumns = kClassicBlockColumns;
    };
    FilesStamp filesStamp() const;

    std::filesystem::path folder_;
    ColourTable colours_;
    // Shared by copies of the renderer, which draw the same folder.
    std::shared_ptr<Kept> kept_;
};

}  // namespace kaj::terrain
