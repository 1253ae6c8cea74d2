#include "ServerConfigLine.h"

#include "LeadingDigits.h"
#include "TextRoutines.h"

namespace kaj::pol {
namespace {

constexpr std::string_view kSpace = " \t\r\n";

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
    return {std::string(line.substr(start, end - start)),
            std::string(common::trimmedOf(line.substr(end + 1), kSpace))};
}

bool isCommentKey(std::string_view key) {
    return key.starts_with("#") || key.starts_with("//");
}

std::string trimmedLine(std::string_view line) {
    return std::string(common::trimmedOf(line, " \t"));
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
        i + 2 < value.size() && common::digitValue(value[i + 2]) < 16) {
        base = 16;
        i += 2;
    } else if (i < value.size() && value[i] == '0') {
        base = 8;
    }
    const auto read = common::leadingDigits(value.substr(i), base);
    // strtoul gives its largest value on overflow, whatever the sign.
    if (read.overflowed) {
        return ~0ULL;
    }
    const unsigned long long number = read.value;
    return negative ? 0ULL - number : number;
}

}  // namespace kaj::pol
