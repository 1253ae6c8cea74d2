#include "WindowChoice.h"

namespace kaj::platform {

std::optional<ListedWindow> pickWindow(const std::vector<ListedWindow>& windows,
                                       std::string_view title) {
    for (const auto& window : windows) {
        if (window.title == title) {
            return window;
        }
    }
    for (const auto& window : windows) {
        if (window.title.starts_with(title)) {
            return window;
        }
    }
    return std::nullopt;
}

}  // namespace kaj::platform
