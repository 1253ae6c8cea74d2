#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace kaj::platform {

// Opens a program, a document or an address as the desktop's shell would.
class Shell {
  public:
    virtual ~Shell() = default;
    // Returns false when nothing could be started.
    virtual bool open(const std::string& target, const std::filesystem::path& workingFolder) = 0;
    // Why the last open failed, as words for the user; empty when it did not fail.
    virtual std::string lastFailure() const { return {}; }
};

enum class ShellTargetKind { Address, WindowsProgram, Program, Document };

// How a target is opened on this system: an address (http:, https:, mailto:) or a
// document goes to the desktop's opener, a .exe runs through wine, an executable
// file runs directly.
ShellTargetKind classifyShellTarget(const std::string& target);

// A file this system would run as a program (on Windows: none beyond the .exe rule).
bool isExecutableFile(const std::string& target);

std::unique_ptr<Shell> makeSystemShell();

}  // namespace kaj::platform
