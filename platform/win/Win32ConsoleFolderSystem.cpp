#include <windows.h>

#include "ConsoleFolder.h"
#include "WideText.h"

namespace kaj::platform {

std::filesystem::path runningProgramFolder() {
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    return std::filesystem::path(std::wstring(program, length)).parent_path();
}

std::filesystem::path perUserConsoleFolder(const ConsoleFolderSystem& system) {
    const auto appData = system.variable("APPDATA");
    const std::filesystem::path base =
        appData && !appData->empty()
            ? std::filesystem::path(std::u8string(appData->begin(), appData->end()))
            : std::filesystem::path(".");
    return base / "Kajmar Console";
}

ConsoleFolderSystem systemConsoleFolderSystem() {
    return {[](const char* name) -> std::optional<std::string> {
                const std::wstring wide = utf8ToWide(name);
                const DWORD size = GetEnvironmentVariableW(wide.c_str(), nullptr, 0);
                if (size == 0) {
                    return std::nullopt;
                }
                std::wstring value(size, L'\0');
                value.resize(GetEnvironmentVariableW(wide.c_str(), value.data(), size));
                return wideToUtf8(value);
            },
            [](const std::filesystem::path& folder) {
                // A folder's read-only flag says nothing about who may write in it
                // (Program Files): trying is the one sure answer.
                const auto probe = folder / L"kajmar-console-write-test.tmp";
                HANDLE file =
                    CreateFileW(probe.wstring().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
                if (file == INVALID_HANDLE_VALUE) {
                    return false;
                }
                CloseHandle(file);
                return true;
            }};
}

}  // namespace kaj::platform
