#pragma once

#include <X11/Xlib.h>

namespace kaj::platform::x11 {

// Installs an X error handler for the life of one operation, so that an error
// (a window closed meanwhile, a focus change refused) is counted instead of
// ending the program. The handler in force before is restored afterwards.
class X11ErrorTrap {
  public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    int errorCount() const { return errorCount_; }
    int lastErrorCode() const { return lastErrorCode_; }

  private:
    static int handle(Display* display, XErrorEvent* event);

    Display* display_;
    XErrorHandler previous_;
    X11ErrorTrap* outer_;
    int errorCount_ = 0;
    int lastErrorCode_ = 0;
};

}  // namespace kaj::platform::x11
