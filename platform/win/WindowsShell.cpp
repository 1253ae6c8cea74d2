#include <windows.h>

#include <shellapi.h>

#include "Cp1252.h"
#include "QuotedArgument.h"
#include "Shell.h"
#include "WideText.h"

namespace kaj::platform {
namespace {

class WindowsShell : public Shell {
  public:
    bool open(const std::string& target, const std::filesystem::path& workingFolder) override {
        failure_.clear();
        started_.reset();
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpVerb = L"open";
        const std::wstring file = utf8ToWide(target);
        const std::wstring folder = workingFolder.wstring();
        info.lpFile = file.c_str();
        info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExW(&info)) {
            failure_ = "cannot open " + utf8ToCp1252(target) + " (error " +
                       std::to_string(GetLastError()) + ")";
            return false;
        }
        if (info.hProcess != nullptr) {
            started_ = GetProcessId(info.hProcess);
            CloseHandle(info.hProcess);
        }
        return true;
    }

    bool start(const std::string& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& workingFolder,
               const std::vector<std::pair<std::string, std::string>>&) override {
        failure_.clear();
        started_.reset();
        const std::wstring file = utf8ToWide(program);
        std::wstring line = quotedArgument(file);
        for (const auto& argument : arguments) {
            line += L" " + quotedArgument(utf8ToWide(argument));
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        const std::wstring folder = workingFolder.wstring();
        if (!CreateProcessW(file.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
            failure_ = "cannot run " + utf8ToCp1252(program) + " (error " +
                       std::to_string(GetLastError()) + ")";
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
