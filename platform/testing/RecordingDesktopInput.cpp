#include "RecordingDesktopInput.h"

#include "Cp1252.h"
#include "WindowChoice.h"

namespace kaj::platform {

ActivationOutcome RecordingDesktopInput::activateWindow(std::string_view title) {
    activationRequests.emplace_back(title);
    if (!noDesktop.empty()) {
        return ActivationOutcome::NoDesktop;
    }
    std::vector<ListedWindow> windows;
    for (const auto& candidate : windowTitles) {
        windows.push_back({windows.size() + 1, candidate});
    }
    const auto found = pickWindow(windows, title);
    if (!found) {
        return ActivationOutcome::NotFound;
    }
    if (failFocus) {
        return ActivationOutcome::NotFocused;
    }
    activeWindow = found->title;
    return ActivationOutcome::Activated;
}

TypingOutcome RecordingDesktopInput::typeKeys(const std::vector<KeyStroke>& strokes) {
    typed.push_back(strokes);
    return {};
}

std::string RecordingDesktopInput::typedText() const {
    std::string out;
    for (const auto& strokes : typed) {
        out += describeKeyStrokes(strokes);
    }
    return out;
}

std::string describeKeyStrokes(const std::vector<KeyStroke>& strokes) {
    std::string out;
    for (const auto& stroke : strokes) {
        if (stroke.modifiers == 0 && !stroke.isNamed) {
            appendUtf8(out, stroke.character);
            continue;
        }
        if (stroke.modifiers == 0 && stroke.key == NamedKey::Enter) {
            out += '\n';
            continue;
        }
        out += '<';
        if (stroke.modifiers & modifier::kShift)
            out += "Shift+";
        if (stroke.modifiers & modifier::kControl)
            out += "Ctrl+";
        if (stroke.modifiers & modifier::kAlt)
            out += "Alt+";
        if (stroke.isNamed) {
            out += namedKeyName(stroke.key);
        } else {
            appendUtf8(out, stroke.character);
        }
        out += '>';
    }
    return out;
}

}  // namespace kaj::platform
