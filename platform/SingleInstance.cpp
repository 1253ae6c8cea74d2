#include "SingleInstance.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace kaj::platform {

SingleInstance::SingleInstance(const std::string& name) : lockFile_(defaultLockFile(name)) {
    acquire();
}

SingleInstance::SingleInstance(std::filesystem::path lockFile) : lockFile_(std::move(lockFile)) {
    acquire();
}

std::filesystem::path SingleInstance::defaultLockFile(const std::string& name) {
#ifdef _WIN32
    return name;
#else
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') {
        return std::filesystem::path(runtime) / (name + ".lock");
    }
    return std::filesystem::temp_directory_path() /
           (name + "-" + std::to_string(getuid()) + ".lock");
#endif
}

#ifdef _WIN32
void SingleInstance::acquire() {
    handle_ = CreateMutexA(nullptr, TRUE, ("Local\\" + lockFile_.string()).c_str());
    first_ = handle_ != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
    if (handle_ != nullptr) {
        CloseHandle(static_cast<HANDLE>(handle_));
    }
}
#else
void SingleInstance::acquire() {
    fd_ = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        // Without a lock file nothing can be checked; start rather than refuse.
        first_ = true;
        return;
    }
    first_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}
#endif

}  // namespace kaj::platform
