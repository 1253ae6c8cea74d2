#include "RecordingDesktopInput.h"

#include "Cp1252.h"

namespace kaj::platform {

std::optional<std::vector<ListedWindow>> RecordingDesktopInput::listWindows() {
    if (!noDesktop.empty()) {
        return std::nullopt;
    }
    std::vector<ListedWindow> listed;
    for (const auto& title : windowTitles) {
        listed.push_back({listed.size() + 1, title, {}, 0, {}});
    }
    listed.insert(listed.end(), windows.begin(), windows.end());
    return listed;
}

ActivationOutcome RecordingDesktopInput::activate(std::uint64_t window) {
    const auto listed = listWindows();
    if (!listed) {
        return ActivationOutcome::NoDesktop;
    }
    for (const auto& candidate : *listed) {
        if (candidate.id == window) {
            activationRequests.push_back(candidate.title);
            if (failFocus) {
                return ActivationOutcome::NotFocused;
            }
            activeWindow = candidate.title;
            activeWindowId = candidate.id;
            return ActivationOutcome::Activated;
        }
    }
    return ActivationOutcome::NotFound;
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
