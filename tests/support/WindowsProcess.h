#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "QuotedArgument.h"
#include "TempFolder.h"
#include "WideText.h"

namespace kaj::testing {

// A path the build wrote in Unix form, as a Windows program under Wine reaches it
// (Wine's Z: drive is the Unix root).
inline std::string windowsPathOf(const std::string& buildPath) {
    if (buildPath.empty() || buildPath.front() != '/') {
        return buildPath;
    }
    std::string path = "Z:" + buildPath;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

// A program started with UTF-8 arguments through CreateProcessW (found on the
// search path when the first argument is a bare name), its standard output and
// error going to files of its own. Ended when dropped, if still running.
class WindowsProcess {
  public:
    explicit WindowsProcess(const std::vector<std::string>& arguments) {
        std::wstring line;
        for (const auto& argument : arguments) {
            line += (line.empty() ? L"" : L" ") +
                    platform::quotedArgument(platform::utf8ToWide(argument));
        }
        SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        output_ = CreateFileW((scratch_ / "stdout.txt").wstring().c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        errors_ = CreateFileW((scratch_ / "stderr.txt").wstring().c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = output_;
        startup.hStdError = errors_;
        PROCESS_INFORMATION started{};
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                           &startup, &started)) {
            process_ = started.hProcess;
            processId_ = started.dwProcessId;
            CloseHandle(started.hThread);
        }
    }
    ~WindowsProcess() {
        if (process_ != nullptr) {
            if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_, 1);
                WaitForSingleObject(process_, 5000);
            }
            CloseHandle(process_);
        }
        CloseHandle(output_);
        CloseHandle(errors_);
    }
    WindowsProcess(const WindowsProcess&) = delete;
    WindowsProcess& operator=(const WindowsProcess&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD processId() const { return processId_; }

    // The exit status, or -1 when the program did not start or did not end in time.
    int wait(std::chrono::milliseconds limit = std::chrono::milliseconds(30000)) {
        if (process_ == nullptr ||
            WaitForSingleObject(process_, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
            return -1;
        }
        DWORD status = 0;
        GetExitCodeProcess(process_, &status);
        return static_cast<int>(status);
    }

    std::string output() const { return TempFolder::read(scratch_ / "stdout.txt"); }
    std::string errors() const { return TempFolder::read(scratch_ / "stderr.txt"); }

  private:
    TempFolder scratch_;
    HANDLE output_ = INVALID_HANDLE_VALUE;
    HANDLE errors_ = INVALID_HANDLE_VALUE;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// Runs a program to its end; its exit status, and what it wrote when asked. A
// program the build names by its Unix path is reached through Wine's Z: drive.
inline int runProgram(std::vector<std::string> arguments, std::string* errors = nullptr,
                      std::string* output = nullptr) {
    if (!arguments.empty()) {
        arguments[0] = windowsPathOf(arguments[0]);
    }
    WindowsProcess process(arguments);
    const int status = process.wait();
    if (errors != nullptr) {
        *errors = process.errors();
    }
    if (output != nullptr) {
        *output = process.output();
    }
    return status;
}

}  // namespace kaj::testing
