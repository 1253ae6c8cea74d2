#pragma once

#ifdef _WIN32
#include "WindowsProcess.h"
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "TempFolder.h"

extern char** environ;

namespace kaj::testing {

// Runs a program with arguments and waits for it; returns its exit status and,
// when asked, what it wrote on standard error and standard output.
inline int runProgram(const std::vector<std::string>& arguments, std::string* errorOutput = nullptr,
                      std::string* standardOutput = nullptr) {
    TempFolder scratch;
    const auto errors = scratch / "stderr.txt";
    const auto output = scratch / "stdout.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (standardOutput != nullptr) {
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
    }
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<char*> argv;
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (errorOutput != nullptr) {
        *errorOutput = TempFolder::read(errors);
    }
    if (standardOutput != nullptr) {
        *standardOutput = TempFolder::read(output);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace kaj::testing
#endif
