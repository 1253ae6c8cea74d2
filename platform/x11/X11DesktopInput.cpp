#include "X11DesktopInput.h"

#include <X11/Xlib.h>

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

ActivationOutcome X11DesktopInput::activateWindow(std::string_view title) {
    Display* display = connection();
    if (display == nullptr) {
        return ActivationOutcome::NoDesktop;
    }
    X11WindowActivator activator(display);
    const auto outcome = activator.activate(title);
    target_ = activator.activated();
    return outcome;
}

TypingOutcome X11DesktopInput::typeKeys(const std::vector<KeyStroke>& strokes) {
    Display* display = connection();
    if (display == nullptr) {
        return {false, "no X display"};
    }
    return X11KeyTyper(display, timings_).type(strokes, target_);
}

}  // namespace kaj::platform::x11
