#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include "Cp1252.h"
#include "Shell.h"

namespace kaj::platform {
namespace {

struct Spawned {
    int error = 0;  // what kept the program from running, 0 when it runs
    pid_t process = 0;
};

// Starts a detached process (it outlives the console and leaves no zombie) with
// variables added to its environment.
Spawned spawnDetached(const std::vector<std::string>& arguments,
                      const std::filesystem::path& folder,
                      const std::vector<std::pair<std::string, std::string>>& environment = {}) {
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return {errno, 0};
    }
    const pid_t child = fork();
    if (child < 0) {
        const int failure = errno;
        close(report[0]);
        close(report[1]);
        return {failure, 0};
    }
    if (child == 0) {
        close(report[0]);
        setsid();
        const pid_t grandchild = fork();
        if (grandchild != 0) {
            // The process that runs the program, for the console to know its window by.
            [[maybe_unused]] auto written = write(report[1], &grandchild, sizeof grandchild);
            _exit(grandchild < 0 ? 1 : 0);
        }
        int failure = 0;
        if (!folder.empty() && chdir(folder.c_str()) != 0) {
            failure = errno;
        } else {
            for (const auto& [name, value] : environment) {
                setenv(name.c_str(), value.c_str(), 1);
            }
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
    Spawned spawned;
    auto readWhole = [&](void* into, std::size_t size) {
        ssize_t got = 0;
        do {
            got = read(report[0], into, size);
        } while (got < 0 && errno == EINTR);
        return got == static_cast<ssize_t>(size);
    };
    if (!readWhole(&spawned.process, sizeof spawned.process) || spawned.process <= 0) {
        close(report[0]);
        return {ECHILD, 0};
    }
    int failure = 0;
    if (readWhole(&failure, sizeof failure)) {
        spawned.error = failure != 0 ? failure : ENOEXEC;
    }
    close(report[0]);
    return spawned;
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
                    failure_ = utf8ToCp1252(target) + " is not a file";
                    return false;
                }
                return run({"wine", target}, workingFolder);
            }
            case ShellTargetKind::Program:
                return run({target}, workingFolder);
        }
        return false;
    }
    bool start(const std::string& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& workingFolder,
               const std::vector<std::pair<std::string, std::string>>& environment) override {
        failure_.clear();
        std::vector<std::string> command = {program};
        command.insert(command.end(), arguments.begin(), arguments.end());
        return run(command, workingFolder, environment);
    }
    std::string lastFailure() const override { return failure_; }
    std::optional<std::uint64_t> lastStartedProcess() const override { return started_; }

  private:
    bool run(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
             const std::vector<std::pair<std::string, std::string>>& environment = {}) {
        const auto spawned = spawnDetached(arguments, folder, environment);
        if (spawned.error == 0) {
            started_ = static_cast<std::uint64_t>(spawned.process);
            return true;
        }
        started_.reset();
        failure_ = "cannot run " + utf8ToCp1252(arguments.front());
        if (!folder.empty() && spawned.error == ENOENT && !std::filesystem::is_directory(folder)) {
            failure_ += " in " + folder.string();
        }
        failure_ += ": " + std::string(std::strerror(spawned.error));
        return false;
    }

    std::string failure_;
    std::optional<std::uint64_t> started_;
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
