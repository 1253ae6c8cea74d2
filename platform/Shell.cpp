#include "Shell.h"

#include "AsciiCase.h"

namespace kaj::platform {

ShellTargetKind classifyShellTarget(const std::string& target) {
    if (startsWithIgnoringAsciiCase(target, "http:") ||
        startsWithIgnoringAsciiCase(target, "https:") ||
        startsWithIgnoringAsciiCase(target, "mailto:")) {
        return ShellTargetKind::Address;
    }
    if (target.size() >= 4 &&
        equalsIgnoringAsciiCase(std::string_view(target).substr(target.size() - 4), ".exe")) {
        return ShellTargetKind::WindowsProgram;
    }
    if (isExecutableFile(target)) {
        return ShellTargetKind::Program;
    }
    return ShellTargetKind::Document;
}

}  // namespace kaj::platform
