#pragma once

#ifdef _WIN32

#include "DesktopInput.h"

namespace kaj::platform::win {

// Windows: EnumWindows and GetWindowTextW find the window, SetForegroundWindow
// activates it, SendInput types (Unicode key events for characters).
class Win32DesktopInput : public DesktopInput {
  public:
    ActivationOutcome activateWindow(std::string_view title) override;
    TypingOutcome typeKeys(const std::vector<KeyStroke>& strokes) override;
};

}  // namespace kaj::platform::win

#endif
