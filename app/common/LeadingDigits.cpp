#include "LeadingDigits.h"

#include <limits>

namespace kaj::common {

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

LeadingDigits leadingDigits(std::string_view text, int base) {
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
    const auto wide = static_cast<std::uint64_t>(base);
    LeadingDigits read;
    for (char c : text) {
        const int digit = digitValue(c);
        if (digit >= base) {
            break;
        }
        ++read.length;
        const auto worth = static_cast<std::uint64_t>(digit);
        if (read.overflowed || read.value > (kMost - worth) / wide) {
            read.overflowed = true;
            read.value = kMost;
        } else {
            read.value = read.value * wide + worth;
        }
    }
    return read;
}

}  // namespace kaj::common
