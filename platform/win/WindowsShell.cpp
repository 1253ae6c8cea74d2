#include <windows.h>

#include "Shell.h"

namespace kaj::platform {
namespace {

class WindowsShell : public Shell {
  public:
    bool open(const std::string& target, const std::filesystem::path& workingFolder) override {
        const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
            nullptr, "open", target.c_str(), nullptr,
            workingFolder.empty() ? nullptr : workingFolder.string().c_str(), SW_SHOWNORMAL));
        return result > 32;
    }

    bool start(const std::string& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& workingFolder,
               const std::vector<std::pair<std::string, std::string>>&) override {
        // One command line, each argument quoted as the C runtime reads quotes back.
        std::string line = quoted(program);
        for (const auto& argument : arguments) {
            line += " " + quoted(argument);
        }
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        const std::string folder = workingFolder.string();
        if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
            failure_ = "cannot run " + program + " (error " + std::to_string(GetLastError()) + ")";
            return false;
        }
        started_ = process.dwProcessId;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }
    std::string lastFailure() const override { return failure_; }
    std::optional<std::uint64_t> lastStartedProcess() const override { return started_; }

  private:
    static std::string quoted(const std::string& argument) {
        std::string out = "\"";
        std::size_t backslashes = 0;
        for (char c : argument) {
            if (c == '\\') {
                ++backslashes;
            } else if (c == '"') {
                out.append(backslashes * 2 + 1, '\\');
                backslashes = 0;
            } else {
                out.append(backslashes, '\\');
                backslashes = 0;
            }
            if (c != '\\') {
                out.push_back(c);
            }
        }
        out.append(backslashes * 2, '\\');
        return out + "\"";
    }

    std::string failure_;
    std::optional<std::uint64_t> started_;
};

}  // namespace

bool isExecutableFile(const std::string&) {
    // The shell decides by the extension on Windows; a .exe is classified before this.
    return false;
}

std::unique_ptr<Shell> makeSystemShell() {
    return std::make_unique<WindowsShell>();
}

}  // namespace kaj::platform
