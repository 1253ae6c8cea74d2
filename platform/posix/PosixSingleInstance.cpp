#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

#include "SingleInstance.h"

namespace kaj::platform {

std::filesystem::path SingleInstance::defaultLockFile(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') {
        return std::filesystem::path(runtime) / (name + ".lock");
    }
    return std::filesystem::temp_directory_path() /
           (name + "-" + std::to_string(getuid()) + ".lock");
}

void SingleInstance::acquire() {
    const int fd = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    handle_ = fd;
    if (fd < 0) {
        // Without a lock file nothing can be checked; start rather than refuse.
        first_ = true;
        return;
    }
    first_ = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

SingleInstance::~SingleInstance() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
    }
}

}  // namespace kaj::platform
