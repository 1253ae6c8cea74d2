#include "X11DesktopInput.h"

#include <X11/Xlib.h>

#include <cstdlib>

#include "X11WindowActivator.h"

namespace kaj::platform::x11 {

X11DesktopInput::X11DesktopInput(TypingTimings timings) : timings_(timings) {}

X11DesktopInput::~X11DesktopInput() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

Display* X11DesktopInput::connection() {
    if (display_ == nullptr) {
        display_ = XOpenDisplay(nullptr);
        problem_.clear();
        if (display_ == nullptr) {
            const std::string name = XDisplayName(nullptr);
            problem_ = name.empty()
                           ? "Cannot reach the X display: DISPLAY is not set, so there is no "
                             "desktop to type into."
                           : "Cannot reach the X display " + name +
                                 ": the X server is not running or refused the connection.";
        }
    }
    return display_;
}

std::optional<std::vector<ListedWindow>> X11DesktopInput::listWindows() {
    Display* display = connection();
    if (display == nullptr) {
        return std::nullopt;
    }
    return X11WindowActivator(display).topLevelWindows();
}

ActivationOutcome X11DesktopInput::activate(std::uint64_t window) {
    Display* display = connection();
    if (display == nullptr) {
        return ActivationOutcome::NoDesktop;
    }
    X11WindowActivator activator(display);
    const auto outcome = activator.activate(static_cast<Window>(window));
    target_ = activator.activated();
    return outcome;
}

std::string X11DesktopInput::noClientHint() const {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland == nullptr || *wayland == '\0') {
        return {};
    }
    return "This desktop runs Wayland, and a client running natively on Wayland cannot "
           "receive typed commands. Start the client under XWayland: the classic client "
           "under Wine does so by itself; start ClassicUO with SDL_VIDEODRIVER=x11 (the "
           "launcher does).";
}

TypingOutcome X11DesktopInput::typeKeys(const std::vector<KeyStroke>& strokes) {
    Display* display = connection();
    if (display == nullptr) {
        return {false, "no X display"};
    }
    return X11KeyTyper(display, timings_).type(strokes, target_);
}

}  // namespace kaj::platform::x11
