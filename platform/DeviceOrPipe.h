#pragma once

#include <filesystem>

namespace kaj::platform {

// Whether the path names a device or a pipe (/dev/null, /dev/stdout, a FIFO, NUL,
// CON) rather than a file or folder: something to write into, never to replace.
bool namesDeviceOrPipe(const std::filesystem::path& path);

}  // namespace kaj::platform
