#include <windows.h>

#include <algorithm>
#include <atomic>
#include <system_error>

#include "FileFaults.h"
#include "FileReplacing.h"

namespace kaj::platform {
namespace {

WriteResult injected(int error) {
    return {false, std::generic_category().message(error)};
}

WriteResult systemFailure(DWORD error) {
    return {false, std::system_category().message(static_cast<int>(error))};
}

}  // namespace

// Windows keeps no owner/group/other modes; the file takes its folder's access rules.
WriteResult replaceThroughTemporaryFile(const std::filesystem::path& target, std::string_view bytes,
                                        const WriteOptions&) {
    std::filesystem::path temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = temporaryNameFor(target);
        if (const int error = injectedFileFault(FileStep::Open, temporary)) {
            return injected(error);
        }
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE &&
            (GetLastError() != ERROR_FILE_EXISTS || attempt >= 100)) {
            return systemFailure(GetLastError());
        }
    }
    auto abandon = [&](WriteResult result) {
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
        DeleteFileW(temporary.c_str());
        return result;
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        if (const int error = injectedFileFault(FileStep::Write, temporary)) {
            return abandon(injected(error));
        }
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) {
            return abandon(systemFailure(GetLastError()));
        }
        written += done;
    }
    if (const int error = injectedFileFault(FileStep::Sync, temporary)) {
        return abandon(injected(error));
    }
    if (!FlushFileBuffers(file)) {
        return abandon(systemFailure(GetLastError()));
    }
    CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    if (const int error = injectedFileFault(FileStep::Rename, target)) {
        return abandon(injected(error));
    }
    // A reader or another writer holding the target a moment (a client reading its
    // uo.cfg, a second console saving) makes the replacement wait, not fail.
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            break;
        }
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || attempt >= 100) {
            return abandon(systemFailure(error));
        }
        Sleep(20);
    }
    return {};
}

std::filesystem::path temporaryNameFor(const std::filesystem::path& target) {
    static std::atomic<unsigned> made{0};
    return target.parent_path() /
           (target.filename().wstring() + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++made) + L".tmp");
}

}  // namespace kaj::platform
