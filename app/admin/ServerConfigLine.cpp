#include "ServerConfigLine.h"

namespace kaj::admin {
namespace {

constexpr std::string_view kSpace = " \t\r\n";

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

}  // namespace

ConfigLine splitConfigLine(std::string_view line) {
    const std::size_t start = line.find_first_not_of(kSpace);
    if (start == std::string_view::npos) {
        return {};
    }
    // The key's first character is taken whatever it is, "=" included.
    const std::size_t end = line.find_first_of(" \t\r\n=", start + 1);
    if (end == std::string_view::npos) {
        return {std::string(line.substr(start)), {}};
    }
    ConfigLine result{std::string(line.substr(start, end - start)), {}};
    const std::size_t valueStart = line.find_first_not_of(kSpace, end + 1);
    if (valueStart != std::string_view::npos) {
        const std::size_t valueEnd = line.find_last_not_of(kSpace);
        result.value = std::string(line.substr(valueStart, valueEnd - valueStart + 1));
    }
    return result;
}

bool isCommentKey(std::string_view key) {
    return key.starts_with("#") || key.starts_with("//");
}

std::string trimmedLine(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(line.substr(first, line.find_last_not_of(" \t") - first + 1));
}

unsigned long long serverNumber(std::string_view value) {
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || (value[i] >= '\t' && value[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    int base = 10;
    if (i + 1 < value.size() && value[i] == '0' && (value[i + 1] == 'x' || value[i + 1] == 'X') &&
        i + 2 < value.size() && digitValue(value[i + 2]) < 16) {
        base = 16;
        i += 2;
    } else if (i < value.size() && value[i] == '0') {
        base = 8;
    }
    constexpr unsigned long long kMost = ~0ULL;
    unsigned long long number = 0;
    bool tooLarge = false;
    for (; i < value.size() && digitValue(value[i]) < base; ++i) {
        const auto digit = static_cast<unsigned long long>(digitValue(value[i]));
        if (number > (kMost - digit) / static_cast<unsigned>(base)) {
            tooLarge = true;  // strtoul gives its largest value, whatever the sign
        }
        number = number * static_cast<unsigned>(base) + digit;
    }
    if (tooLarge) {
        return kMost;
    }
    return negative ? 0ULL - number : number;
}

}  // namespace kaj::admin
