#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace kaj::platform {

// Holds the one-per-login lock while it lives. On Linux, an advisory lock on a
// file in the user's runtime folder; on Windows, a named mutex of the session. The
// system releases either when the process ends.
class SingleInstance {
  public:
    explicit SingleInstance(const std::string& name);
    explicit SingleInstance(std::filesystem::path lockFile);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another living process holds the lock.
    bool isFirst() const { return first_; }

    static std::filesystem::path defaultLockFile(const std::string& name);

  private:
    void acquire();

    std::filesystem::path lockFile_;
    bool first_ = false;
    std::intptr_t handle_ = -1;  // the lock file's descriptor, or the mutex
};

}  // namespace kaj::platform
