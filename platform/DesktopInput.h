#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "KeyScript.h"

namespace kaj::platform {

enum class ActivationOutcome {
    Activated,   // the window holds the keyboard focus
    NotFound,    // no top-level window has that title or a title beginning with it
    NotFocused,  // found, but it did not take the focus within the time allowed
    NoDesktop,   // there is no desktop to look on (no display, or it refused us)
};

struct TypingOutcome {
    bool ok = true;
    std::string error;
};

// Finds and activates top-level windows by title and types key strokes into the
// window that has the focus. Titles are Windows-1252 text.
class DesktopInput {
  public:
    virtual ~DesktopInput() = default;
    // An exact title is preferred; failing that, a window whose title begins with it.
    virtual ActivationOutcome activateWindow(std::string_view title) = 0;
    virtual TypingOutcome typeKeys(const std::vector<KeyStroke>& strokes) = 0;
    // Why the last activation found no desktop, as a sentence naming the cause.
    virtual std::string desktopProblem() const { return {}; }
};

}  // namespace kaj::platform
