#include <windows.h>

#include "DeviceOrPipe.h"

namespace kaj::platform {

bool namesDeviceOrPipe(const std::filesystem::path& path) {
    HANDLE handle = CreateFileW(path.wstring().c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    const DWORD type = GetFileType(handle);
    CloseHandle(handle);
    return type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
}

}  // namespace kaj::platform
