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

std::size_t ReadOnlyFile::readSomeAt(std::uint64_t position, char* destination,
                                     std::size_t n) const {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(position & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(n, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), destination, chunk, &got, &at)) {
        return 0;
    }
    return got;
}

}  // namespace kaj::platform
