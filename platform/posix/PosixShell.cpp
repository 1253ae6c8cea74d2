#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include "Shell.h"

namespace kaj::platform {
namespace {

// Starts a detached process (it outlives the console and leaves no zombie); the
// error number of what kept it from running, 0 when its program was executed.
int spawnDetached(const std::vector<std::string>& arguments, const std::filesystem::path& folder) {
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return errno;
    }
    const pid_t child = fork();
    if (child < 0) {
        const int failure = errno;
        close(report[0]);
        close(report[1]);
        return failure;
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
    return got == 0 ? 0 : (failure != 0 ? failure : ENOEXEC);
}

class PosixShell : public Shell {
  public:
    bool open(const std::string& target, const std::filesystem::path& workingFolder) override {
        failure_.clear();
        switch (classifyShellTarget(target)) {
            case ShellTargetKind::Address:
            case ShellTargetKind::Document:
                return run({"xdg-open", target}, workingFolder);
            case ShellTargetKind::WindowsProgram: {
                std::error_code error;
                if (!std::filesystem::is_regular_file(target, error)) {
                    failure_ = target + " is not a file";
                    return false;
                }
                return run({"wine", target}, workingFolder);
            }
            case ShellTargetKind::Program:
                return run({target}, workingFolder);
        }
        return false;
    }
    std::string lastFailure() const override { return failure_; }

  private:
    bool run(const std::vector<std::string>& arguments, const std::filesystem::path& folder) {
        const int error = spawnDetached(arguments, folder);
        if (error == 0) {
            return true;
        }
        failure_ = "cannot run " + arguments.front();
        if (!folder.empty() && error == ENOENT && !std::filesystem::is_directory(folder)) {
            failure_ += " in " + folder.string();
        }
        failure_ += ": " + std::string(std::strerror(error));
        return false;
    }

    std::string failure_;
};
}  // namespace

bool isExecutableFile(const std::string& target) {
    std::error_code error;
    return std::filesystem::is_regular_file(target, error) && access(target.c_str(), X_OK) == 0;
}

std::unique_ptr<Shell> makeSystemShell() {
    return std::make_unique<PosixShell>();
}

}  // namespace kaj::platform
