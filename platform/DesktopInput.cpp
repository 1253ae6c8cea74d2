#include "DesktopInput.h"

namespace kaj::platform {

ActivationOutcome DesktopInput::activateWindow(std::string_view title) {
    const auto windows = listWindows();
    if (!windows) {
        return ActivationOutcome::NoDesktop;
    }
    const auto window = pickWindow(*windows, title);
    if (!window) {
        return ActivationOutcome::NotFound;
    }
    return activate(window->id);
}

}  // namespace kaj::platform
