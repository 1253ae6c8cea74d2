#include "CliArguments.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "ClientFolder.h"
#include "ConsoleFolder.h"
#include "DeviceOrPipe.h"
#include "KajSettings.h"
#include "PathText.h"
#include "PngWriter.h"
#include "TextFile.h"

namespace kaj::cli {

const GivenOption* GivenWords::last(std::string_view name) const {
    for (auto option = options.rbegin(); option != options.rend(); ++option) {
        if (option->name == name) {
            return &*option;
        }
    }
    return nullptr;
}

std::string GivenWords::wordOf(std::string_view name, std::string fallback) const {
    const GivenOption* option = last(name);
    return option != nullptr && !option->words.empty() ? option->words.front() : fallback;
}

std::optional<GivenWords> parseOptions(int argc, char** argv, std::span<const OptionRule> rules,
                                       OtherWords others) {
    GivenWords given;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (optionsEnded) {
            given.others.emplace_back(word);
            continue;
        }
        if (others == OtherWords::EndOptions && word == "--") {
            optionsEnded = true;
            continue;
        }
        const auto rule = std::find_if(rules.begin(), rules.end(),
                                       [word](const OptionRule& r) { return r.name == word; });
        const int left = argc - i - 1;
        if (rule == rules.end() || (!rule->wordOptional && left < rule->words)) {
            if (others == OtherWords::Refused) {
                return std::nullopt;
            }
            given.others.emplace_back(word);
            optionsEnded = others == OtherWords::EndOptions;
            continue;
        }
        if (!rule->repeats && given.has(rule->name)) {
            return std::nullopt;
        }
        const int words = rule->wordOptional
                              ? (left >= 1 && !std::string_view(argv[i + 1]).starts_with("--"))
                              : rule->words;
        GivenOption option{rule->name, {}};
        for (int k = 0; k < words; ++k) {
            option.words.emplace_back(argv[++i]);
        }
        given.options.push_back(std::move(option));
    }
    return given;
}

std::optional<std::int64_t> parseInteger(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 0);
    if (errno != 0 || end == text.c_str() || *end != '\0')
        return std::nullopt;
    return value;
}

controls::ClientFolderChoice clientFolderChoiceOf(const std::string& given) {
    if (!given.empty()) {
        return {given, controls::ClientFolderSource::Given};
    }
    const auto folder = platform::findConsoleFolder(platform::runningProgramFolder(),
                                                    platform::systemConsoleFolderSystem());
    console::ConsoleSettings settings;
    console::loadIniFile(folder.path / "Kaj.ini", settings);
    return controls::chooseSystemClientFolder(platform::pathFromText(settings.uoPath));
}

std::filesystem::path clientFolderOf(const std::string& given) {
    return clientFolderChoiceOf(given).folder;
}

bool parseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos)
        return false;
    const auto w = parseInteger(text.substr(0, x));
    const auto h = parseInteger(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1 || *w > 16384 || *h > 16384)
        return false;
    width = static_cast<int>(*w);
    height = static_cast<int>(*h);
    return true;
}

std::optional<std::uint32_t> parseBackground(const std::string& text) {
    if (text.size() != 6)
        return std::nullopt;
    char* end = nullptr;
    const unsigned long rgb = std::strtoul(text.c_str(), &end, 16);
    if (*end != '\0')
        return std::nullopt;
    const std::uint32_t red = (rgb >> 16) & 0xFF;
    const std::uint32_t green = (rgb >> 8) & 0xFF;
    const std::uint32_t blue = rgb & 0xFF;
    return blue * 65536 + green * 256 + red;
}

bool writePng(const std::string& path, const std::uint8_t* bgr, int width, int height) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) *
                                  static_cast<std::size_t>(height) * 3);
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = bgr[i + 2];
        rgb[i + 1] = bgr[i + 1];
        rgb[i + 2] = bgr[i];
    }
    const auto png = encodePng(rgb.data(), width, height);
    const std::filesystem::path file = platform::pathFromText(path);
    const std::string_view bytes(reinterpret_cast<const char*>(png.data()), png.size());
    // A device or pipe named as the output (/dev/null, /dev/stdout, NUL) is written
    // into; a file is replaced whole.
    if (platform::namesDeviceOrPipe(file)) {
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out.flush());
    }
    return platform::writeFileReplacing(file, bytes).ok;
}

}  // namespace kaj::cli
