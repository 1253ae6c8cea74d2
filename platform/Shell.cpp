#include "Shell.h"

#include <system_error>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace kaj::platform {
namespace {

bool startsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) {
            return false;
        }
    }
    return true;
}

#ifndef _WIN32
// Starts a detached process (it outlives the console and leaves no zombie);
// true when its program could be executed.
bool spawnDetached(const std::vector<std::string>& arguments, const std::filesystem::path& folder) {
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        close(report[0]);
        setsid();
        const pid_t grandchild = fork();
        if (grandchild != 0) {
            _exit(grandchild < 0 ? 1 : 0);
        }
        int failure = 0;
        if (!folder.empty() && chdir(folder.c_str()) != 0) {
            failure = errno;
        } else {
            std::vector<char*> argv;
            for (const auto& argument : arguments) {
                argv.push_back(const_cast<char*>(argument.c_str()));
            }
            argv.push_back(nullptr);
            execvp(argv[0], argv.data());
            failure = errno;
        }
        [[maybe_unused]] auto written = write(report[1], &failure, sizeof failure);
        _exit(127);
    }
    close(report[1]);
    int status = 0;
    waitpid(child, &status, 0);
    int failure = 0;
    ssize_t got = 0;
    do {
        got = read(report[0], &failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    return got == 0;
}

class PosixShell : public Shell {
  public:
    bool open(const std::string& target, const std::filesystem::path& workingFolder) override {
        switch (classifyShellTarget(target)) {
            case ShellTargetKind::Address:
            case ShellTargetKind::Document:
                return spawnDetached({"xdg-open", target}, workingFolder);
            case ShellTargetKind::WindowsProgram: {
                std::error_code error;
                if (!std::filesystem::is_regular_file(target, error)) {
                    return false;
                }
                return spawnDetached({"wine", target}, workingFolder);
            }
            case ShellTargetKind::Program:
                return spawnDetached({target}, workingFolder);
        }
        return false;
    }
};
#else
class WindowsShell : public Shell {
  public:
    bool open(const std::string& target, const std::filesystem::path& workingFolder) override {
        const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
            nullptr, "open", target.c_str(), nullptr,
            workingFolder.empty() ? nullptr : workingFolder.string().c_str(), SW_SHOWNORMAL));
        return result > 32;
    }
};
#endif

}  // namespace

ShellTargetKind classifyShellTarget(const std::string& target) {
    if (startsWithIgnoringCase(target, "http:") || startsWithIgnoringCase(target, "https:") ||
        startsWithIgnoringCase(target, "mailto:")) {
        return ShellTargetKind::Address;
    }
    if (target.size() >= 4) {
        std::string tail = target.substr(target.size() - 4);
        if (startsWithIgnoringCase(tail, ".exe")) {
            return ShellTargetKind::WindowsProgram;
        }
    }
#ifndef _WIN32
    std::error_code error;
    if (std::filesystem::is_regular_file(target, error) && access(target.c_str(), X_OK) == 0) {
        return ShellTargetKind::Program;
    }
#endif
    return ShellTargetKind::Document;
}

std::unique_ptr<Shell> makeSystemShell() {
#ifdef _WIN32
    return std::make_unique<WindowsShell>();
#else
    return std::make_unique<PosixShell>();
#endif
}

}  // namespace kaj::platform
