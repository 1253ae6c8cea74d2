#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kaj::travel {

// A position as the travel file and the coordinates box hold it: "x,y,z".
std::string positionText(int x, int y, int z);

// The number a coordinate field starts with: blanks anywhere are ignored, reading
// stops at the first character that cannot continue a number, and no number reads
// 0. Rounded to a whole number, halves to the even neighbour; nothing when that
// does not fit a 16-bit integer.
std::optional<std::int16_t> mapCoordinate(std::string_view field);

// The map centre a coordinates box's text names: its first two ","-separated
// fields; nothing for a part that cannot be had (the second without a ",").
struct MapCentre {
    std::optional<std::int16_t> x;
    std::optional<std::int16_t> y;
};
MapCentre mapCentreOf(std::string_view coordinates);

}  // namespace kaj::travel
