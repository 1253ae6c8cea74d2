#pragma once

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

}  // namespace kaj::platform
