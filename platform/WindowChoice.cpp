#include "WindowChoice.h"

#include "AsciiCase.h"

namespace kaj::platform {
namespace {

constexpr const char* kClassicTitle = "Ultima Online";
constexpr std::string_view kClassicUO = "ClassicUO";

bool isWordCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// "ClassicUO" standing alone: not part of a longer word.
bool holdsClassicUOWord(std::string_view title) {
    for (std::size_t at = title.find(kClassicUO); at != std::string_view::npos;
         at = title.find(kClassicUO, at + 1)) {
        const std::size_t end = at + kClassicUO.size();
        if ((at == 0 || !isWordCharacter(title[at - 1])) &&
            (end == title.size() || !isWordCharacter(title[end]))) {
            return true;
        }
    }
    return false;
}

// ClassicUO's own window: its class or its program's name says so ("ClassicUO.bin.x86_64"
// on Linux, process "ClassicUO.bin.x" there and "ClassicUO.exe" on Windows).
bool belongsToClassicUO(const ListedWindow& window) {
    return startsWithIgnoringAsciiCase(window.windowClass, kClassicUO) ||
           startsWithIgnoringAsciiCase(window.processName, kClassicUO);
}

std::vector<ListedWindow> byTitle(const std::vector<ListedWindow>& windows,
                                  std::string_view title) {
    std::vector<ListedWindow> exact;
    std::vector<ListedWindow> prefixed;
    for (const auto& window : windows) {
        if (window.title == title) {
            exact.push_back(window);
        } else if (window.title.starts_with(title)) {
            prefixed.push_back(window);
        }
    }
    exact.insert(exact.end(), prefixed.begin(), prefixed.end());
    return exact;
}

}  // namespace

std::optional<ListedWindow> pickWindow(const std::vector<ListedWindow>& windows,
                                       std::string_view title) {
    const auto fitting = byTitle(windows, title);
    if (fitting.empty()) {
        return std::nullopt;
    }
    return fitting.front();
}

std::vector<ListedWindow> fittingWindows(const std::vector<ListedWindow>& windows,
                                         const ClientRule& rule) {
    switch (rule.kind) {
        case ClientKind::Classic:
            return byTitle(windows, kClassicTitle);
        case ClientKind::Custom:
            return rule.title.empty() ? std::vector<ListedWindow>{} : byTitle(windows, rule.title);
        case ClientKind::ClassicUO:
            break;
    }
    std::vector<ListedWindow> fitting;
    for (const auto& window : windows) {
        if (holdsClassicUOWord(window.title) && belongsToClassicUO(window)) {
            fitting.push_back(window);
        }
    }
    return fitting;
}

std::optional<ListedWindow> chooseClientWindow(
    const std::vector<ListedWindow>& fitting, std::optional<std::uint64_t> chosen,
    const std::function<bool(std::uint64_t processId)>& startedByLauncher) {
    if (startedByLauncher) {
        for (const auto& window : fitting) {
            if (window.processId != 0 && startedByLauncher(window.processId)) {
                return window;
            }
        }
    }
    if (chosen) {
        for (const auto& window : fitting) {
            if (window.id == *chosen) {
                return window;
            }
        }
    }
    if (fitting.empty()) {
        return std::nullopt;
    }
    return fitting.front();
}

}  // namespace kaj::platform
