#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kaj::platform {

// A top-level window as a backend lists it: its system handle and its title in
// Windows-1252.
struct ListedWindow {
    std::uint64_t id = 0;
    std::string title;
};

// The window commands go to: the first whose title is exactly the one asked for,
// else the first whose title begins with it; nothing when none fits.
std::optional<ListedWindow> pickWindow(const std::vector<ListedWindow>& windows,
                                       std::string_view title);

}  // namespace kaj::platform
