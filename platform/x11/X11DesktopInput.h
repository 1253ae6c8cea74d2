#pragma once

#include <memory>
#include <string>

#include "DesktopInput.h"
#include "X11KeyTyper.h"

typedef struct _XDisplay Display;

namespace kaj::platform::x11 {

// The desktop of the X server named by DISPLAY, reached over a connection of its own.
class X11DesktopInput : public DesktopInput {
  public:
    explicit X11DesktopInput(TypingTimings timings = {});
    ~X11DesktopInput() override;

    std::optional<std::vector<ListedWindow>> listWindows() override;
    ActivationOutcome activate(std::uint64_t window) override;
    TypingOutcome typeKeys(const std::vector<KeyStroke>& strokes) override;
    std::string desktopProblem() const override { return problem_; }
    // On a Wayland desktop only X11 clients (under XWayland) can be typed into.
    std::string noClientHint() const override;

  private:
    Display* connection();

    Display* display_ = nullptr;
    unsigned long target_ = 0;  // the window activated last
    TypingTimings timings_;
    std::string problem_;
};

}  // namespace kaj::platform::x11
