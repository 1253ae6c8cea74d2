#include "ArtLibrary.h"

#include "ArtDecoders.h"
#include "ClientFolder.h"

namespace kaj::glyph {

namespace {

// The files of each type; items, land and character tests share art.mul.
std::optional<RecordFiles> filesOf(std::int16_t type) {
    switch (type) {
        case kArtItems:
        case kArtLandscape:
        case kArtCharTests:
            return RecordFiles{"art.mul", "artidx.mul", "artLegacyMUL.uop", "build/artlegacymul/"};
        case kArtNpcs:
            return RecordFiles{"anim.mul", "anim.idx"};
        case kArtMultis:
            return RecordFiles{"multi.mul", "multi.idx"};
        case kArtGumps:
            return RecordFiles{"gumpart.mul", "gumpidx.mul", "gumpartLegacyMUL.uop",
                               "build/gumpartlegacymul/", true};
        case kArtTextures:
            return RecordFiles{"texmaps.mul", "texidx.mul"};
        case kArtLights:
            return RecordFiles{"light.mul", "lightidx.mul"};
        default:
            return std::nullopt;
    }
}

// The first record of a body's animations. Bodies below 200 have the long sets of
// monsters, 200 to 399 the short sets of animals, from 400 on those of people.
std::uint64_t bodyRecord(std::uint64_t body) {
    if (body < 200)
        return body * 110 + 1;
    if (body < 400)
        return body * 65 + 9001;
    return body * 175 - 35000 + 1;
}

}  // namespace

const char* artTypeName(int type) {
    static const char* const names[kArtTypeCount] = {
        "Items", "NPCs", "Multis", "Gumps", "Landscape", "Textures", "CharTests", "Lights"};
    return type >= 0 && type < kArtTypeCount ? names[type] : "";
}

std::optional<std::uint64_t> renderedIndex(std::int16_t type, std::uint32_t index) {
    switch (type) {
        case kArtItems:
            return index <= kLastItem ? std::optional<std::uint64_t>(index + 0x4000ull)
                                      : std::nullopt;
        case kArtNpcs:
            return index < 4096 ? std::optional<std::uint64_t>(bodyRecord(index)) : std::nullopt;
        case kArtMultis:
            return index <= 8181 ? std::optional<std::uint64_t>(index) : std::nullopt;
        case kArtGumps:
            return index < 65536 ? std::optional<std::uint64_t>(index) : std::nullopt;
        case kArtLandscape:
            return index < 0x4000 ? std::optional<std::uint64_t>(index) : std::nullopt;
        case kArtTextures:
            return index < 4096 ? std::optional<std::uint64_t>(index) : std::nullopt;
        case kArtCharTests:
            return index <= 20399 ? std::optional<std::uint64_t>(index + 0x8000ull) : std::nullopt;
        case kArtLights:
            return index < 100 ? std::optional<std::uint64_t>(index) : std::nullopt;
        default:
            return index;
    }
}

ArtLibrary::ArtLibrary(std::filesystem::path clientFolder, HueTable hues)
    : folder_(std::move(clientFolder)), hues_(std::move(hues)) {
    for (int type = 0; type < kArtTypeCount; ++type) {
        if (const auto files = filesOf(static_cast<std::int16_t>(type))) {
            records_.emplace_back(folder_, *files);
        }
    }
}

ArtLibrary ArtLibrary::fromFolder(const std::filesystem::path& clientFolder) {
    ArtLibrary library(clientFolder, {});
    library.hues_ = HueTable::load(library.file("hues.mul"));
    return library;
}

std::filesystem::path ArtLibrary::file(const std::string& name) const {
    return controls::clientFile(folder_, name);
}

const ArtRecords& ArtLibrary::recordsOf(std::int16_t type) const {
    return records_.at(static_cast<std::size_t>(type));
}

void ArtLibrary::draw(ArtProperties& properties, controls::PixelBuffer& buffer,
                      std::uint32_t background) const {
    buffer.fill(background);
    if (properties.type != kArtItems && properties.type != kArtNpcs) {
        properties.colour = 0;
    }
    if (const auto index = renderedIndex(properties.type, properties.index)) {
        render(properties.type, *index, 0, 0, properties.colour, buffer);
    }
}

void ArtLibrary::render(std::int16_t type, std::uint64_t index, int dx, int dy, std::uint16_t hue,
                        controls::PixelBuffer& buffer) const {
    if (type < 0 || type >= kArtTypeCount)
        return;
    if (type == kArtMultis) {
        renderMulti(index, buffer);
        return;
    }
    const auto record = recordsOf(type).read(index);
    if (!record)
        return;
    RecordReader reader(record->bytes);
    DrawTarget target{buffer, hues_, dx, dy, hue};
    switch (type) {
        case kArtItems:
        case kArtCharTests:
            decodeItemArt(reader, target);
            break;
        case kArtLandscape:
            decodeLandTile(reader, target);
            break;
        case kArtGumps:
            decodeGump(reader, record->index, target);
            break;
        case kArtTextures:
            decodeTexture(reader, record->index, target);
            break;
        case kArtLights:
            decodeLight(reader, record->index, target);
            break;
        case kArtNpcs:
            decodeAnimation(reader, target);
            break;
        default:
            break;
    }
}

}  // namespace kaj::glyph
