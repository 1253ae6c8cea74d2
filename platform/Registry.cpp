#include "Registry.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>

#include "AsciiCase.h"
#include "FileLookup.h"
#include "TextFile.h"

namespace kaj::platform {
namespace {

// "[Software\\Wow6432Node\\X] 123" -> "software\wow6432node\x"
std::optional<std::string> sectionKey(std::string_view line) {
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    std::string key;
    const std::string_view inner = line.substr(1, close - 1);
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '\\' && i + 1 < inner.size() && inner[i + 1] == '\\') {
            ++i;
        }
        key.push_back(inner[i]);
    }
    return foldAsciiCase(key);
}

std::string normaliseKey(std::string_view key) {
    std::string out = foldAsciiCase(key);
    while (!out.empty() && out.back() == '\\')
        out.pop_back();
    while (!out.empty() && out.front() == '\\')
        out.erase(out.begin());
    return out;
}

// The quoted text starting at text[start] == '"', with its escapes undone.
std::optional<std::string> quoted(std::string_view text, std::size_t start, std::size_t* end) {
    if (start >= text.size() || text[start] != '"') {
        return std::nullopt;
    }
    std::string out;
    for (std::size_t i = start + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            *end = i + 1;
            return out;
        }
        if (c == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            switch (next) {
                case 'n':
                    out.push_back('\n');
                    break;
                case 'r':
                    out.push_back('\r');
                    break;
                case 't':
                    out.push_back('\t');
                    break;
                case '0':
                    out.push_back('\0');
                    break;
                case 'x': {
                    unsigned value = 0;
                    std::size_t digits = 0;
                    while (digits < 4 && i + 1 < text.size() &&
                           std::isxdigit(static_cast<unsigned char>(text[i + 1]))) {
                        const char h = text[++i];
                        value = value * 16 +
                                static_cast<unsigned>(h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10);
                        ++digits;
                    }
                    out.push_back(value < 0x100 ? static_cast<char>(value) : '?');
                    break;
                }
                default:
                    out.push_back(next);
                    break;
            }
            continue;
        }
        out.push_back(c);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> parseRegStringValue(std::string_view line, std::string_view valueName) {
    std::size_t afterName = 0;
    const auto name = quoted(line, 0, &afterName);
    if (!name || foldAsciiCase(*name) != foldAsciiCase(valueName)) {
        return std::nullopt;
    }
    if (afterName >= line.size() || line[afterName] != '=') {
        return std::nullopt;
    }
    std::size_t valueStart = afterName + 1;
    if (line.substr(valueStart).starts_with("dword:")) {
        // A 32-bit number reads as its decimal text.
        const std::string_view digits = line.substr(valueStart + 6);
        if (digits.size() < 8) {
            return std::nullopt;
        }
        std::uint32_t number = 0;
        for (char h : digits.substr(0, 8)) {
            if (!std::isxdigit(static_cast<unsigned char>(h))) {
                return std::nullopt;
            }
            number = number * 16 +
                     static_cast<std::uint32_t>(h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10);
        }
        return std::to_string(number);
    }
    if (line.substr(valueStart).starts_with("str(2):")) {
        valueStart += 7;
    }
    std::size_t ignored = 0;
    return quoted(line, valueStart, &ignored);
}

WineRegistry::WineRegistry(std::filesystem::path prefix) : prefix_(std::move(prefix)) {}

std::filesystem::path WineRegistry::defaultPrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') {
        return prefix;
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : ".") / ".wine";
}

std::optional<std::string> WineRegistry::localMachineString(std::string_view key,
                                                            std::string_view valueName) const {
    const auto lines = readTextLines(prefix_ / "system.reg");
    if (!lines) {
        return std::nullopt;
    }
    std::string wanted = normaliseKey(key);
    std::string wow = wanted;
    if (wanted.starts_with("software\\")) {
        wow = "software\\wow6432node\\" + wanted.substr(9);
    }
    std::optional<std::string> plainValue;
    std::optional<std::string> section;
    for (const auto& line : *lines) {
        if (auto next = sectionKey(line)) {
            section = std::move(next);
            continue;
        }
        if (!section || (*section != wow && *section != wanted)) {
            continue;
        }
        if (auto value = parseRegStringValue(line, valueName)) {
            if (*section == wow) {
                return value;
            }
            plainValue = std::move(value);
        }
    }
    return plainValue;
}

std::filesystem::path WineRegistry::toNativePath(std::string_view registryPath) const {
    std::string path(registryPath);
    if (path.size() < 2 || path[1] != ':') {
        for (auto& c : path) {
            if (c == '\\')
                c = '/';
        }
        return path;
    }
    const std::string drive = foldAsciiCase(path.substr(0, 2));
    std::string rest = path.substr(2);
    for (auto& c : rest) {
        if (c == '\\')
            c = '/';
    }
    while (!rest.empty() && rest.front() == '/') {
        rest.erase(rest.begin());
    }
    std::error_code error;
    std::filesystem::path base = std::filesystem::canonical(prefix_ / "dosdevices" / drive, error);
    if (error) {
        base = prefix_ / "dosdevices" / drive;
    }
    if (rest.empty()) {
        return base;
    }
    if (auto found = findCaseInsensitive(base, rest)) {
        return *found;
    }
    return base / rest;
}

}  // namespace kaj::platform
