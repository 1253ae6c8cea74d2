#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kaj::common {

// The text without the given characters at either end.
std::string_view trimmedOf(std::string_view text, std::string_view blanks);
// Removes leading and trailing blanks (the byte 0x20 only).
std::string trimBlanks(std::string_view text);
// Removes leading blanks only.
std::string_view leadingBlanksTrimmed(std::string_view text);
std::string trimLeadingBlanks(std::string_view text);
std::string toUpperAscii(std::string_view text);
// The fields between separators, as many as there are (an empty text is one empty
// field).
std::vector<std::string_view> splitAt(std::string_view text, char separator);

// The value part of a line: after the first "=", else from the first blank on,
// trimmed. A line with neither has no value.
std::optional<std::string> ValueOf(std::string_view line);

// Field n (from 1) of a "|"-separated text, trimmed; an empty field reads "1".
std::string ExtractPacked(std::string_view text, int n);

// Replaces the first occurrence (ASCII letter case ignored) again and again, each
// time searching from the start, until none is left.
std::string ReplaceAll(std::string text, std::string_view search, std::string_view replacement);

// The folder part of a path, up to and including the last "\" or "/"; empty when
// there is none.
std::string GetPath(std::string_view path);

}  // namespace kaj::common
