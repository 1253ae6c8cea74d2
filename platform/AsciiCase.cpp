#include "AsciiCase.h"

#include <algorithm>

namespace kaj::platform {
namespace {

bool sameIgnoringCase(char a, char b) {
    return foldAsciiCase(a) == foldAsciiCase(b);
}

}  // namespace

char foldAsciiCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string foldAsciiCase(std::string_view text) {
    std::string out(text);
    for (auto& c : out) {
        c = foldAsciiCase(c);
    }
    return out;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameIgnoringCase);
}

bool lessIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(foldAsciiCase(x)) <
               static_cast<unsigned char>(foldAsciiCase(y));
    });
}

std::size_t findIgnoringAsciiCase(std::string_view text, std::string_view part) {
    if (part.empty()) {
        return 0;
    }
    const auto found =
        std::search(text.begin(), text.end(), part.begin(), part.end(), sameIgnoringCase);
    return found == text.end() ? std::string_view::npos
                               : static_cast<std::size_t>(found - text.begin());
}

bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace kaj::platform
