#include "SingleInstance.h"

namespace kaj::platform {

SingleInstance::SingleInstance(const std::string& name) : lockFile_(defaultLockFile(name)) {
    acquire();
}

SingleInstance::SingleInstance(std::filesystem::path lockFile) : lockFile_(std::move(lockFile)) {
    acquire();
}

}  // namespace kaj::platform
