#pragma once

#include <string>
#include <string_view>

namespace kaj::platform {

// Between Windows' UTF-16 and the console's texts.
std::string wideToUtf8(std::wstring_view text);
std::wstring utf8ToWide(std::string_view text);
std::wstring cp1252ToWide(std::string_view text);
// Characters Windows-1252 lacks become "?".
std::string wideToCp1252(std::wstring_view text);

}  // namespace kaj::platform
