#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "KeyScript.h"
#include "WindowChoice.h"

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

// Lists and activates top-level windows and types key strokes into the window
// that has the focus. Titles are Windows-1252 text.
class DesktopInput {
  public:
    virtual ~DesktopInput() = default;
    // Every top-level window; nothing when there is no desktop to look on.
    virtual std::optional<std::vector<ListedWindow>> listWindows() = 0;
    // Gives a listed window the keyboard focus.
    virtual ActivationOutcome activate(std::uint64_t window) = 0;
    virtual TypingOutcome typeKeys(const std::vector<KeyStroke>& strokes) = 0;
    // Why the last listing found no desktop, as a sentence naming the cause.
    virtual std::string desktopProblem() const { return {}; }
    // What to add when no client window was found, for desktops that hide windows.
    virtual std::string noClientHint() const { return {}; }

    // An exact title is preferred; failing that, a window whose title begins with it.
    ActivationOutcome activateWindow(std::string_view title);
};

}  // namespace kaj::platform
