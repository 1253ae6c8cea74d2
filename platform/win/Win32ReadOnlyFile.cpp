#include <windows.h>

#include "ReadOnlyFile.h"

namespace kaj::platform {

std::optional<ReadOnlyFile> ReadOnlyFile::open(const std::filesystem::path& path) {
    const HANDLE file = CreateFileW(path.wstring().c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return std::nullopt;
    }
    return ReadOnlyFile(reinterpret_cast<std::intptr_t>(file),
                        static_cast<std::uint64_t>(size.QuadPart));
}

void ReadOnlyFile::close() {
    if (handle_ != kNoHandle) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
        handle_ = kNoHandle;
    }
}

bool ReadOnlyFile::readAt(std::uint64_t position, void* destination, std::size_t n) const {
    if (position > size_ || n > size_ - position) {
        return false;
    }
    auto* out = static_cast<char*>(destination);
    std::size_t done = 0;
    while (done < n) {
        OVERLAPPED at{};
        const std::uint64_t offset = position + done;
        at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(n - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(reinterpret_cast<HANDLE>(handle_), out + done, chunk, &got, &at) ||
            got == 0) {
            return false;
        }
        done += got;
    }
    return true;
}

}  // namespace kaj::platform
