#include "X11ErrorTrap.h"

namespace kaj::platform::x11 {
namespace {
X11ErrorTrap* activeTrap = nullptr;
}

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display), outer_(activeTrap) {
    XSync(display_, False);
    previous_ = XSetErrorHandler(&X11ErrorTrap::handle);
    activeTrap = this;
}

X11ErrorTrap::~X11ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
    activeTrap = outer_;
}

int X11ErrorTrap::handle(Display*, XErrorEvent* event) {
    if (activeTrap != nullptr) {
        ++activeTrap->errorCount_;
        activeTrap->lastErrorCode_ = event->error_code;
    }
    return 0;
}

}  // namespace kaj::platform::x11
