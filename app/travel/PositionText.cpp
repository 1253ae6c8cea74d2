#include "PositionText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "LeadingDigits.h"

namespace kaj::travel {
namespace {

std::size_t digitsAt(std::string_view text, std::size_t at) {
    return common::leadingDigits(text.substr(std::min(at, text.size())), 10).length;
}

// The longest start of the text, blanks left out, that reads as a decimal number
// with an optional sign, fraction and exponent.
std::string numberPrefix(std::string_view field) {
    std::string text;
    for (char c : field) {
        if (c != ' ') {
            text.push_back(c);
        }
    }
    std::size_t i = 0;
    const bool plus = i < text.size() && text[i] == '+';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = digitsAt(text, i);
    i += digits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = digitsAt(text, i + 1);
        i += 1 + fraction;
        digits += fraction;
    }
    if (digits == 0) {
        return {};
    }
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (const std::size_t exponent = digitsAt(text, j); exponent > 0) {
            text[i] = 'e';
            end = j + exponent;
        }
    }
    // from_chars takes a minus but no plus.
    return plus ? text.substr(1, end - 1) : text.substr(0, end);
}

}  // namespace

std::string positionText(int x, int y, int z) {
    return std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(z);
}

std::optional<std::int16_t> mapCoordinate(std::string_view field) {
    const std::string number = numberPrefix(field);
    double value = 0.0;
    // Not strtod: the reading must not follow the user's locale.
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec ==
        std::errc::result_out_of_range) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

MapCentre mapCentreOf(std::string_view coordinates) {
    const std::size_t comma = coordinates.find(',');
    MapCentre centre{mapCoordinate(coordinates.substr(0, comma)), std::nullopt};
    if (comma != std::string_view::npos) {
        const std::string_view rest = coordinates.substr(comma + 1);
        centre.y = mapCoordinate(rest.substr(0, rest.find(',')));
    }
    return centre;
}

}  // namespace kaj::travel
