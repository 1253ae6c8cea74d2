#pragma once

#include <filesystem>
#include <string>

namespace kaj::platform {

// Holds the one-per-login lock while it lives. On Linux, an advisory lock on a
// file in the user's runtime folder (released by the system when the process ends).
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
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

}  // namespace kaj::platform
