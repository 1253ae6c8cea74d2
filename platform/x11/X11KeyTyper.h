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

// Types key strokes through the XTest extension into the window that has the focus,
// whatever layouts the desktop has and whichever is in use: every key is chosen
// through XKB before the first is pressed (from the group in use, else another,
// locked for the stretch that needs it), Caps Lock and the other locks that would
// change letters are cleared for the typing, and the user's group and locks come
// back at the end. Characters no group holds go through spare keycodes, lent for
// the whole command. Modifiers pressed here are released on every path. With a
// target window, typing stops as soon as the focus leaves it, so no key lands in
// another window.
class X11KeyTyper {
  public:
    explicit X11KeyTyper(Display* display, TypingTimings timings = {});
    TypingOutcome type(const std::vector<KeyStroke>& strokes, Window target = 0);

  private:
    Display* display_;
    TypingTimings timings_;
};

}  // namespace kaj::platform::x11
