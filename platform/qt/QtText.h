#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kaj::platform {

// Windows-1252 bytes shown in a widget and back; characters that code page
// cannot hold become '?'.
QString fromCp1252(std::string_view bytes);
std::string toCp1252(const QString& text);

}  // namespace kaj::platform
