#pragma once

#include <memory>

#include "DesktopInput.h"

namespace kaj::platform {

// The desktop this program runs on: X11 on Linux, Win32 on Windows.
std::unique_ptr<DesktopInput> makeSystemDesktopInput();

}  // namespace kaj::platform
