#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kaj::platform {

// A path the console keeps as text (the Setup tab's folders, the paths the file
// dialogs give, a program handed to the shell) is UTF-8 on every system, so that
// a folder named in any script survives the box, Kaj.ini and the way back. These
// are the only conversions between such text and the system's paths, whose names
// are UTF-8 on Linux and UTF-16 on Windows.
std::filesystem::path pathFromText(std::string_view utf8);
std::string textOfPath(const std::filesystem::path& path);
// A path as the console's Windows-1252 messages name it ('?' for letters that code
// page lacks); never throws, unlike path::string() on Windows.
std::string pathInMessage(const std::filesystem::path& path);

bool isValidUtf8(std::string_view bytes);
// A path as a file wrote it: UTF-8 when its bytes are valid UTF-8, else the
// Windows-1252 text older files held.
std::string pathTextFromFile(std::string_view bytes);

}  // namespace kaj::platform
