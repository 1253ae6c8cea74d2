#pragma once

#ifdef _WIN32

#include <utility>

#include "DesktopInput.h"
#include "ProcessIntegrity.h"

namespace kaj::platform::win {

// Windows: EnumWindows and GetWindowTextW find the window, SetForegroundWindow
// activates it, SendInput types (Unicode key events for characters). A window whose
// process runs at a higher integrity level than the console's is not typed into:
// Windows would drop every key.
class Win32DesktopInput : public DesktopInput {
  public:
    explicit Win32DesktopInput(IntegrityLevelOf integrityLevelOf = systemIntegrityLevelOf())
        : integrityLevelOf_(std::move(integrityLevelOf)) {}

    std::optional<std::vector<ListedWindow>> listWindows() override;
    ActivationOutcome activate(std::uint64_t window) override;
    TypingOutcome typeKeys(const std::vector<KeyStroke>& strokes) override;

  private:
    IntegrityLevelOf integrityLevelOf_;
    std::uint64_t target_ = 0;  // the window activated last
};

}  // namespace kaj::platform::win

#endif
