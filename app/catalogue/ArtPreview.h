#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kaj::catalogue {

// What a selected row sets on the art control. Nothing means the text does not
// give a value the property can hold, and the property is left as it was.

// An item's Graphic: its first two characters (the "0x") dropped, the rest read
// as hexadecimal.
std::optional<std::int32_t> itemArtIndex(std::string_view graphic);
// An item's Color: hexadecimal after every "0x" and "0X" is removed when it starts
// with "0x", else the leading decimal digits; as a 16-bit pattern.
std::optional<std::int16_t> itemArtColor(std::string_view color);
// An NPC's body: always hexadecimal, with or without its "0x".
std::optional<std::int32_t> npcArtIndex(std::string_view objType);
// An NPC's Color as an item's, a decimal hue above 20000 becoming 1002.
std::optional<std::int16_t> npcArtColor(std::string_view color);

}  // namespace kaj::catalogue
