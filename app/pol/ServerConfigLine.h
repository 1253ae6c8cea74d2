#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kaj::pol {

// A line of a server configuration file as the server splits it: the key is the
// first word after blanks and tabs, ending at a blank, a tab or "="; the value is
// what follows that one character, blanks and tabs trimmed at both ends.
struct ConfigLine {
    std::string key;
    std::string value;
};
ConfigLine splitConfigLine(std::string_view line);

// Keys that begin with "#" or "//" make the line a comment.
bool isCommentKey(std::string_view key);
// The line without blanks and tabs at either end.
std::string trimmedLine(std::string_view line);

// A number as the server reads one (C's strtoul, base 0): blanks, a sign, "0x" for
// hexadecimal or "0" for octal, then digits as far as they go; nothing read is 0.
unsigned long long serverNumber(std::string_view value);

// The UTF-8 byte-order mark a file may start with.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace kaj::pol
