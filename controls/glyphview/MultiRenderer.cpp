// Multis: buildings and ships drawn from their items, back to front.
#include <map>
#include <utility>
#include <vector>

#include "ArtLibrary.h"
#include "DataFile.h"
#include "RecordReader.h"
#include "TileData.h"

namespace kaj::glyph {
namespace {

struct Component {
    std::uint16_t item;
    std::int16_t x;
    std::int16_t y;
    std::int16_t z;
    std::uint32_t top;  // z + the item's height, compared as unsigned
};

}  // namespace

void ArtLibrary::renderMulti(std::uint64_t index, controls::PixelBuffer& buffer) const {
    const auto record = recordsOf(kArtMultis).read(index);
    if (!record)
        return;
    RecordReader reader(record->bytes);

    std::vector<Component> components;
    const std::int32_t count = record->index.length / 12;
    for (std::int32_t i = 0; i < count; ++i) {
        const auto item = reader.u16();
        const auto x = reader.s16();
        const auto y = reader.s16();
        const auto z = reader.s16();
        const auto flags = reader.u32();
        if (!item || !x || !y || !z || !flags)
            break;
        components.push_back({*item, *x, *y, *z, 0});
    }

    const auto tileData = DataFile::open(file("tiledata.mul"));
    if (!tileData)
        return;
    // Cells in drawing order (rows of y, then x), each holding its items from the
    // lowest top up; only cells that hold something take memory.
    std::map<std::pair<int, int>, std::vector<Component>> cells;
    for (auto component : components) {
        const std::int32_t top = component.z + itemHeight(*tileData, component.item).value_or(0);
        component.top = static_cast<std::uint32_t>(top);
        auto& cell = cells[{component.y, component.x}];
        auto at = cell.begin();
        while (at != cell.end() && at->top <= component.top)
            ++at;
        cell.insert(at, component);
    }

    const ArtRecords& art = recordsOf(kArtItems);
    for (const auto& [position, cell] : cells) {
        for (const auto& component : cell) {
            const std::uint64_t itemIndex = component.item + 0x4000ull;
            const auto itemRecord = art.read(itemIndex);
            if (!itemRecord)
                continue;
            RecordReader size(itemRecord->bytes);
            size.skip(4);
            const auto width = size.u16();
            const auto height = size.u16();
            if (!width || !height)
                continue;
            const auto dx = static_cast<std::int16_t>((component.x - component.y) * 22);
            const auto dy = static_cast<std::int16_t>((component.x + component.y) * 22 -
                                                      *height / 2 - component.z * 4);
            render(kArtItems, itemIndex, dx, dy, 0, buffer);
        }
    }
}

}  // namespace kaj::glyph
