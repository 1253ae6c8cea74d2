#pragma once

#include <string>
#include <vector>

#include "DesktopInput.h"

namespace kaj::platform {

// Stands in for the desktop in tests: a set of windows that "exist" (by title, ids
// 1, 2, … in order, or in full), the activations asked for, and the key strokes
// typed into the window activated last.
class RecordingDesktopInput : public DesktopInput {
  public:
    std::vector<std::string> windowTitles;
    std::vector<ListedWindow> windows;  // listed after the titles
    bool failFocus = false;
    std::string noDesktop;  // when set, no desktop can be reached and this is why

    std::vector<std::string> activationRequests;  // the titles of the windows activated
    std::string activeWindow;
    std::uint64_t activeWindowId = 0;
    std::vector<std::vector<KeyStroke>> typed;  // one entry per typeKeys call

    std::optional<std::vector<ListedWindow>> listWindows() override;
    ActivationOutcome activate(std::uint64_t window) override;
    TypingOutcome typeKeys(const std::vector<KeyStroke>& strokes) override;
    std::string desktopProblem() const override { return noDesktop; }

    // Everything typed, as the fake client logs it: text as itself, Enter as a
    // line break, other keys and modified keys in angle brackets.
    std::string typedText() const;
};

std::string describeKeyStrokes(const std::vector<KeyStroke>& strokes);

}  // namespace kaj::platform
