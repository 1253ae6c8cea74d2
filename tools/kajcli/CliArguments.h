#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ClientFolder.h"

namespace kaj::cli {

// An option a command takes: its name ("--pol"), how many words follow it (0 for a
// flag), whether it may be given more than once (the last time counts where one is
// wanted), and whether its one word may be left out (then the next word, when
// there is one, begins with "--").
struct OptionRule {
    std::string_view name;
    int words = 1;
    bool repeats = false;
    bool wordOptional = false;
};

// What the command does with a word that is no option of its rules, or an option
// missing its words: refuses the whole line, keeps it among the other words, or
// keeps it and every word after it ("--" ends the options and is dropped).
enum class OtherWords { Refused, Taken, EndOptions };

struct GivenOption {
    std::string_view name;
    std::vector<std::string> words;
};
struct GivenWords {
    std::vector<GivenOption> options;  // in the order given
    std::vector<std::string> others;

    bool has(std::string_view name) const { return last(name) != nullptr; }
    // The last time the option was given, or nothing.
    const GivenOption* last(std::string_view name) const;
    // Its first word the last time it was given, else the fallback.
    std::string wordOf(std::string_view name, std::string fallback = {}) const;
};

// A command's words read by its rules; nothing when a word is refused or an option
// that does not repeat comes twice.
std::optional<GivenWords> parseOptions(int argc, char** argv, std::span<const OptionRule> rules,
                                       OtherWords others = OtherWords::Refused);
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
