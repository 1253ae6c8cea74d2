#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kaj::platform {

// Letter case as the console ignores it: A-Z folded to a-z, every other byte
// (0x80-0xFF included) compared as it is.
char foldAsciiCase(char c);
std::string foldAsciiCase(std::string_view text);
// The same into a string kept for the purpose, whose room is reused.
void foldAsciiCaseInto(std::string& out, std::string_view text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
// Byte order after folding; what sorted lists and trees keep.
bool lessIgnoringAsciiCase(const std::string& a, const std::string& b);
// Where part first occurs in text, or npos; an empty part is found at 0.
std::size_t findIgnoringAsciiCase(std::string_view text, std::string_view part);
bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

}  // namespace kaj::platform
