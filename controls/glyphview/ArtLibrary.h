#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ArtRecords.h"
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
// Today's client numbers its items up to 0xFFFF; item n is art record 0x4000 + n.
constexpr std::uint32_t kLastItem = 0xFFFF;

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
    // Where the pictures of a type (0 to 7) are read from.
    const ArtRecords& recordsOf(std::int16_t type) const;

  private:
    void renderMulti(std::uint64_t index, controls::PixelBuffer& buffer) const;

    std::filesystem::path folder_;
    HueTable hues_;
    std::vector<ArtRecords> records_;  // by type
};

}  // namespace kaj::glyph
