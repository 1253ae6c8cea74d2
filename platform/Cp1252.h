#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kaj::platform {

// The console keeps every text as Windows-1252 bytes; these convert at the edges
// (window titles, key symbols, Qt widgets).
char32_t cp1252ToUnicode(unsigned char byte);
std::optional<unsigned char> unicodeToCp1252(char32_t codePoint);

std::string cp1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold become '?'.
std::string utf8ToCp1252(std::string_view text);
void appendUtf8(std::string& out, char32_t codePoint);
// The character whose UTF-8 starts at the text's first byte and its length in
// bytes; nothing when those bytes are not well-formed UTF-8 (cut short, a lone
// follower, an overlong form, a UTF-16 surrogate, past U+10FFFF).
struct Utf8Character {
    char32_t codePoint;
    std::size_t length;
};
std::optional<Utf8Character> firstUtf8Character(std::string_view text);

}  // namespace kaj::platform
