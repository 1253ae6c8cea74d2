#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <vector>

#include "DesktopInput.h"

namespace kaj::platform::x11 {

struct TypingTimings {
    // Pause after each key stroke, so that slow clients keep up.
    std::chrono::microseconds betweenStrokes{1500};
    // How long a remapped spare keycode keeps its symbol after its last use: a
    // toolkit reads the new mapping only when it handles the notification, and
    // restoring at once makes it read the old one and lose the character.
    std::chrono::milliseconds beforeRestoringMapping{60};
};

// Types key strokes through the XTest extension into the window that has the focus.
// Characters missing from the keymap go through spare keycodes, remapped for the
// call; modifiers pressed here are released on every path. With a target window,
// typing stops as soon as the focus leaves it, so no key lands in another window.
class X11KeyTyper {
  public:
    explicit X11KeyTyper(Display* display, TypingTimings timings = {});
    TypingOutcome type(const std::vector<KeyStroke>& strokes, Window target = 0);

  private:
    Display* display_;
    TypingTimings timings_;
};

}  // namespace kaj::platform::x11
