#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kaj::platform {

// Windows-1252 bytes shown in a widget and back; characters that code page
// cannot hold become '?'.
QString fromCp1252(std::string_view bytes);
std::string toCp1252(const QString& text);

// A path's text (UTF-8, whatever its letters) shown in a widget and back.
QString fromPathText(std::string_view utf8);
std::string toPathText(const QString& text);

}  // namespace kaj::platform
