#pragma once

#include <cstdio>
#include <string_view>

namespace kaj::cli {

// Writes the bytes as given and a line feed, whatever the system's line ending.
void writeLine(std::FILE* to, std::string_view line);

}  // namespace kaj::cli
