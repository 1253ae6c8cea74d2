#pragma once

#include <cstdint>

namespace kaj::controls {

// A 1-5-5-5 game colour (bits 10-14 red, 5-9 green, 0-4 blue; bit 15 ignored) as
// one value blue * 65536 + green * 256 + red, each channel v * 255 / 31.
constexpr std::uint32_t convertColour555(std::uint16_t colour) {
    const std::uint32_t red = ((colour >> 10) & 31u) * 255u / 31u;
    const std::uint32_t green = ((colour >> 5) & 31u) * 255u / 31u;
    const std::uint32_t blue = (colour & 31u) * 255u / 31u;
    return blue * 65536u + green * 256u + red;
}

}  // namespace kaj::controls
