#include "AsciiCase.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kaj::platform {
namespace {

// Each byte folded, looked up rather than tested: the catalogues fold every byte
// of every line and name they read, many times over.
constexpr std::array<unsigned char, 256> kFolded = [] {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[static_cast<std::size_t>(c)] =
            static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return table;
}();

unsigned char folded(char c) {
    return kFolded[static_cast<unsigned char>(c)];
}

}  // namespace

char foldAsciiCase(char c) {
    return static_cast<char>(folded(c));
}

std::string foldAsciiCase(std::string_view text) {
    std::string out;
    foldAsciiCaseInto(out, text);
    return out;
}

void foldAsciiCaseInto(std::string& out, std::string_view text) {
    out.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = static_cast<char>(folded(text[i]));
    }
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) {
            return false;
        }
    }
    return true;
}

bool lessIgnoringAsciiCase(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = folded(a[i]);
        const unsigned char y = folded(b[i]);
        if (x != y) {
            return x < y;
        }
    }
    return a.size() < b.size();
}

std::size_t findIgnoringAsciiCase(std::string_view text, std::string_view part) {
    if (part.empty()) {
        return 0;
    }
    if (part.size() > text.size()) {
        return std::string_view::npos;
    }
    // Candidates are found by the first letter in either case, then compared whole.
    const unsigned char first = folded(part[0]);
    const auto upper =
        static_cast<unsigned char>(first >= 'a' && first <= 'z' ? first - 'a' + 'A' : first);
    const std::size_t last = text.size() - part.size();
    for (std::size_t at = 0; at <= last; ++at) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if ((c == first || c == upper) &&
            equalsIgnoringAsciiCase(text.substr(at + 1, part.size() - 1), part.substr(1))) {
            return at;
        }
    }
    return std::string_view::npos;
}

bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace kaj::platform
