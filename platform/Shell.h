#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kaj::platform {

// Opens a program, a document or an address as the desktop's shell would. Targets,
// programs and arguments are UTF-8 text (a path as textOfPath gives it); the
// failures are Windows-1252, as every message the console shows.
class Shell {
  public:
    virtual ~Shell() = default;
    // Returns false when nothing could be started.
    virtual bool open(const std::string& target, const std::filesystem::path& workingFolder) = 0;
    // Runs a program itself (never through Wine) with arguments, in a working folder,
    // with variables added to its environment. Returns false when it could not start.
    virtual bool start(const std::string& program, const std::vector<std::string>& arguments,
                       const std::filesystem::path& workingFolder,
                       const std::vector<std::pair<std::string, std::string>>& environment) {
        (void)program, (void)arguments, (void)workingFolder, (void)environment;
        return false;
    }
    // Why the last open or start failed, as words for the user; empty when it did not.
    virtual std::string lastFailure() const { return {}; }
    // The process the last successful open or start began, when known.
    virtual std::optional<std::uint64_t> lastStartedProcess() const { return std::nullopt; }
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
