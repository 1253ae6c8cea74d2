#include "ArtPreview.h"

#include <string>

#include "ConfigText.h"
#include "LeadingDigits.h"
#include "TextRoutines.h"

namespace kaj::catalogue {
namespace {

// The leading hexadecimal digits (none reads 0); more than eight do not fit.
std::optional<std::uint32_t> leadingHex(std::string_view text) {
    const auto read = common::leadingDigits(common::leadingBlanksTrimmed(text), 16);
    if (read.overflowed || read.value > 0xFFFFFFFFULL) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(read.value);
}

// The leading decimal number, with its sign (none reads 0); nothing past 32 bits.
std::optional<std::int64_t> leadingDecimal(std::string_view text) {
    text = common::leadingBlanksTrimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto read = common::leadingDigits(text, 10);
    if (read.overflowed || read.value > 0xFFFFFFFFULL) {
        return std::nullopt;
    }
    const auto value = static_cast<std::int64_t>(read.value);
    return negative ? -value : value;
}

std::optional<std::int16_t> hexColour(std::string_view color) {
    const auto value = leadingHex(deleteEvery(deleteEvery(color, "0x"), "0X"));
    if (!value || *value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(*value));
}

std::optional<std::int16_t> decimalColour(std::int64_t value) {
    if (value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

// Hexadecimal after "0x", else decimal; NPC hues above 20000 become 1002.
std::optional<std::int16_t> artColour(std::string_view color, bool npcHues) {
    if (color.substr(0, 2) == "0x") {
        return hexColour(color);
    }
    auto value = leadingDecimal(color);
    if (!value) {
        return std::nullopt;
    }
    if (npcHues && *value > 20000) {
        *value = 1002;
    }
    return decimalColour(*value);
}

}  // namespace

std::optional<std::int32_t> itemArtIndex(std::string_view graphic) {
    const auto value = leadingHex(graphic.substr(std::min<std::size_t>(2, graphic.size())));
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}

std::optional<std::int16_t> itemArtColor(std::string_view color) {
    return artColour(color, false);
}

std::optional<std::int32_t> npcArtIndex(std::string_view objType) {
    const std::string digits = common::trimBlanks(deleteEvery(objType, "0x"));
    const auto value = leadingHex(digits);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}

std::optional<std::int16_t> npcArtColor(std::string_view color) {
    return artColour(color, true);
}

}  // namespace kaj::catalogue
