#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "KeyLog.h"
#include "RunProgram.h"
#include "TempFolder.h"
#include "X11WindowActivator.h"

extern char** environ;

namespace kaj::testing {

// A fakeclient window with a title, logging into a file of its own.
class FakeClientProcess {
  public:
    explicit FakeClientProcess(const std::string& title,
                               const std::string& windowClass = "fakeclient") {
        log_ = folder_ / "keys.log";
        const auto ready = folder_ / "ready";
        const std::vector<std::string> arguments = {KAJ_FAKECLIENT, "--title",   title,
                                                    "--class",      windowClass, "--log",
                                                    log_.string(),  "--ready",   ready.string()};
        std::vector<char*> argv;
        for (const auto& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ);
        // Ready once mapped, and listed where the sender looks (a window manager
        // frames and lists a window a moment after it maps).
        Display* display = XOpenDisplay(nullptr);
        for (int i = 0; i < 1000 && display != nullptr; ++i) {
            if (std::filesystem::exists(ready) && isListed(display, title)) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        // A window manager focuses a new window, or falls back after a closed one,
        // a moment later; a user's client has long been open when a command comes.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }

    static bool isListed(Display* display, const std::string& title) {
        for (const auto& window : platform::x11::X11WindowActivator(display).topLevelWindows()) {
            if (window.title == title) {
                return true;
            }
        }
        return false;
    }
    ~FakeClientProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            int status = 0;
            waitpid(pid_, &status, 0);
        }
    }
    FakeClientProcess(const FakeClientProcess&) = delete;
    FakeClientProcess& operator=(const FakeClientProcess&) = delete;

    std::string log() const { return TempFolder::read(log_); }
    pid_t processId() const { return pid_; }

    std::string waitForLog(
        std::size_t size, std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) const {
        return waitForKeyLog(log_, size, limit);
    }

  private:
    TempFolder folder_;
    std::filesystem::path log_;
    pid_t pid_ = -1;
};

}  // namespace kaj::testing
