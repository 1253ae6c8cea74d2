#include <windows.h>

#include "SingleInstance.h"

namespace kaj::platform {

std::filesystem::path SingleInstance::defaultLockFile(const std::string& name) {
    return name;
}

void SingleInstance::acquire() {
    const HANDLE mutex = CreateMutexA(nullptr, TRUE, ("Local\\" + lockFile_.string()).c_str());
    first_ = mutex != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
    handle_ = mutex == nullptr ? -1 : reinterpret_cast<std::intptr_t>(mutex);
}

SingleInstance::~SingleInstance() {
    if (handle_ != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

}  // namespace kaj::platform
