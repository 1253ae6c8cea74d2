#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kaj::common {

// The run of digits of a base (2 to 36; letters in either case past 9) at the
// start of a text. None gives the value 0 and the length 0; a value past 64 bits
// stops growing at the largest there is and is marked as overflowed.
struct LeadingDigits {
    std::uint64_t value = 0;
    std::size_t length = 0;
    bool overflowed = false;
};
LeadingDigits leadingDigits(std::string_view text, int base);

// What a character is worth as a digit (0 to 35), or 99 for a character that is none.
int digitValue(char c);

}  // namespace kaj::common
