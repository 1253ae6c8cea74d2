#include "TileData.h"

namespace kaj::glyph {
namespace {
constexpr std::uint64_t kClassicLand = 428032;
constexpr std::uint64_t kClassicBlock = 4 + 32 * 37;
constexpr std::uint64_t kWideLand = 0x78800;
constexpr std::uint64_t kWideBlock = 4 + 32 * 41;
}  // namespace

TileDataLayout tileDataLayout(std::uint64_t size) {
    const bool wideFits = size > kWideLand && (size - kWideLand) % kWideBlock == 0;
    const bool classicFits = size >= kClassicLand && (size - kClassicLand) % kClassicBlock == 0;
    return wideFits && !classicFits ? TileDataLayout::Wide : TileDataLayout::Classic;
}

std::uint64_t itemRecordPosition(TileDataLayout layout, std::uint32_t item) {
    if (layout == TileDataLayout::Wide) {
        return (item % 32) * 41 + (item / 32) * kWideBlock + kWideLand + 4;
    }
    return (item % 32) * 37 + (item / 32) * kClassicBlock + kClassicLand + 4;
}

std::optional<std::uint8_t> itemHeight(const DataFile& tileData, std::uint32_t item) {
    const TileDataLayout layout = tileDataLayout(tileData.size());
    const std::uint64_t heightAt =
        itemRecordPosition(layout, item) + (layout == TileDataLayout::Wide ? 20 : 16);
    std::uint8_t height = 0;
    if (!tileData.readAt(heightAt, &height, 1)) {
        return std::nullopt;
    }
    return height;
}

}  // namespace kaj::glyph
