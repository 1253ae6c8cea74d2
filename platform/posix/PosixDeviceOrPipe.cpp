#include <sys/stat.h>

#include "DeviceOrPipe.h"

namespace kaj::platform {

bool namesDeviceOrPipe(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) ||
                                                S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode));
}

}  // namespace kaj::platform
