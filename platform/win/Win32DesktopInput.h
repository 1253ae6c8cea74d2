#pragma once

#ifdef _WIN32

#include "DesktopInput.h"

namespace kaj::platform::win {

// Windows: EnumWindows and GetWindowTextW find the window, SetForegroundWindow
// activates it, SendInput types (Unicode key events for characters).
class Win32DesktopInput : public DesktopInput {
  public:
    std::optional<std::vector<ListedWindow>> listWindows() override;
    ActivationOutcome activate(std::uint64_t window) override;
    TypingOutcome typeKeys(const std::vector<KeyStroke>& strokes) override;
};

}  // namespace kaj::platform::win

#endif
