#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "DataFile.h"
#include "HueTable.h"
#include "PixelBuffer.h"

namespace kaj::glyph {

enum ArtType : std::int16_t {
    kArtItems = 0,
    kArtNpcs = 1,
    kArtMultis = 2,
    kArtGumps = 3,
    kArtLandscape = 4,
    kArtTextures = 5,
    kArtCharTests = 6,
    kArtLights = 7,
};

// The names of the types, in the order of the property page's list.
const char* artTypeName(int type);
constexpr int kArtTypeCount = 8;

// The index a picture is read from, or nothing when the property values lie
// outside the type's range (then only the background shows).
std::optional<std::uint64_t> renderedIndex(std::int16_t type, std::uint32_t artIndex);

// The three properties the picture depends on.
struct ArtProperties {
    std::int16_t type = 0;
    std::uint32_t index = 0;
    std::uint16_t colour = 0;
};

// The client's art, read from the data files of one folder.
class ArtLibrary {
  public:
    ArtLibrary(std::filesystem::path clientFolder, HueTable hues);
    // Finds the folder through the client's registry key and loads its hues.
    static ArtLibrary fromFolder(const std::filesystem::path& clientFolder);

    // Fills the buffer with the background, resets the hue of types that take
    // none, and renders the picture the properties name.
    void draw(ArtProperties& properties, controls::PixelBuffer& buffer,
              std::uint32_t background) const;
    // Renders one picture from its index file's record, shifted by dx, dy.
    void render(std::int16_t type, std::uint64_t index, int dx, int dy, std::uint16_t hue,
                controls::PixelBuffer& buffer) const;

    const HueTable& hues() const { return hues_; }
    std::filesystem::path file(const std::string& name) const;

  private:
    struct LoadedRecord {
        controls::IndexRecord index;
        std::vector<std::uint8_t> bytes;  // the part inside both its length and the file
    };
    // Record n of an index file with its data, or nothing when a file is missing or
    // the entry is empty.
    std::optional<LoadedRecord> readRecord(const char* dataFile, const char* indexFile,
                                           std::uint64_t n) const;
    void renderMulti(std::uint64_t index, controls::PixelBuffer& buffer) const;

    std::filesystem::path folder_;
    HueTable hues_;
};

}  // namespace kaj::glyph
