#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "ClientFolder.h"

namespace kaj::cli {

// "--name value" pairs of a subcommand; false when a word is not such a pair.
bool parseOptions(int argc, char** argv, std::map<std::string, std::string>& options);
// A whole number in decimal or 0x hexadecimal, with an optional sign, within 64 bits.
std::optional<std::int64_t> parseInteger(const std::string& text);
// "WxH" with whole numbers from 1 to 16384.
bool parseSize(const std::string& text, int& width, int& height);
// "RRGGBB" as a converted colour (blue * 65536 + green * 256 + red).
std::optional<std::uint32_t> parseBackground(const std::string& text);
// The client folder a --client option names, else the one the console would use:
// its Setup folder (Kaj.ini's UOPATH in the console's folder), then the registry.
controls::ClientFolderChoice clientFolderChoiceOf(const std::string& given);
std::filesystem::path clientFolderOf(const std::string& given);
// Writes the pixels (blue, green, red) as an 8-bit RGB PNG.
bool writePng(const std::string& path, const std::uint8_t* bgr, int width, int height);

}  // namespace kaj::cli
