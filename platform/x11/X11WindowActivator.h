#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DesktopInput.h"
#include "WindowChoice.h"

namespace kaj::platform::x11 {

// Whether the keyboard focus rests on the window or on one of its children.
bool windowHasFocus(Display* display, Window window);

// Finds top-level windows by title and gives one of them the keyboard focus:
// through the window manager (_NET_ACTIVE_WINDOW) when one runs, and always by
// raising it and setting the input focus too; then waits until it has the focus.
class X11WindowActivator {
  public:
    explicit X11WindowActivator(
        Display* display, std::chrono::milliseconds focusTimeout = std::chrono::milliseconds(1500));

    // The client windows: the window manager's list when it keeps one, else the
    // windows below the root that carry WM_STATE (or, without a window manager,
    // the root's mapped children), with their class and process.
    std::vector<ListedWindow> topLevelWindows() const;
    std::optional<Window> findWindow(std::string_view title) const;
    ActivationOutcome activate(std::string_view title);
    ActivationOutcome activate(Window window);
    // The window the last successful activate() gave the focus to.
    Window activated() const { return activated_; }

  private:
    bool windowManagerSupportsActivation() const;
    std::string titleOf(Window window) const;
    ListedWindow describe(Window window) const;
    std::optional<Window> clientBelow(Window frame, int depth) const;
    void requestActivation(Window window, bool throughWindowManager);

    Display* display_;
    std::chrono::milliseconds focusTimeout_;
    Window activated_ = 0;
};

}  // namespace kaj::platform::x11
