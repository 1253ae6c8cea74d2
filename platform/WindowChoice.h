#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kaj::platform {

// A top-level window as a backend lists it: its system handle, its title in
// Windows-1252, its class (X11's WM_CLASS, Win32's window class) and the process
// it belongs to (0 and empty when unknown).
struct ListedWindow {
    std::uint64_t id = 0;
    std::string title;
    std::string windowClass;
    std::uint64_t processId = 0;
    std::string processName;

    bool operator==(const ListedWindow&) const = default;
};

// The window commands go to: the first whose title is exactly the one asked for,
// else the first whose title begins with it; nothing when none fits.
std::optional<ListedWindow> pickWindow(const std::vector<ListedWindow>& windows,
                                       std::string_view title);

// Which windows count as the game client.
enum class ClientKind {
    Classic,    // "Ultima Online", or a title that begins with it
    ClassicUO,  // "ClassicUO" as a word in the title, in a window of ClassicUO's program
    Custom,     // the user's title, or a title that begins with it
};
struct ClientRule {
    ClientKind kind = ClientKind::Classic;
    std::string title;  // the custom title
};

// The windows that fit the rule, the best first: for a title rule the exact
// titles before the ones that only begin with it, each in listing order.
std::vector<ListedWindow> fittingWindows(const std::vector<ListedWindow>& windows,
                                         const ClientRule& rule);

// The window to type into among those that fit: one the launcher started (the
// process or one of its descendants, as startedBy tells), else the one the user
// chose while it still fits, else the best.
std::optional<ListedWindow> chooseClientWindow(
    const std::vector<ListedWindow>& fitting, std::optional<std::uint64_t> chosen,
    const std::function<bool(std::uint64_t processId)>& startedByLauncher);

}  // namespace kaj::platform
