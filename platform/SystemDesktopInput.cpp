#include "SystemDesktopInput.h"

#ifdef _WIN32
#include "win/Win32DesktopInput.h"
#else
#include "x11/X11DesktopInput.h"
#endif

namespace kaj::platform {

std::unique_ptr<DesktopInput> makeSystemDesktopInput() {
#ifdef _WIN32
    return std::make_unique<win::Win32DesktopInput>();
#else
    return std::make_unique<x11::X11DesktopInput>();
#endif
}

}  // namespace kaj::platform
