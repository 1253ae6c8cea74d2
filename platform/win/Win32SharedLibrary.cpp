#include <windows.h>

#include "SharedLibrary.h"
#include "WideText.h"

namespace kaj::platform {
namespace {

std::string systemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(code) : wideToUtf8(message);
}

}  // namespace

std::optional<SharedLibrary> SharedLibrary::open(const std::filesystem::path& file,
                                                 std::string* error) {
    // The library's own folder is searched for the libraries it needs, as a
    // program's folder is for the program's.
    HMODULE module = LoadLibraryExW(file.wstring().c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr) {
        if (error != nullptr) {
            *error = file.string() + ": " + systemMessage(GetLastError());
        }
        return std::nullopt;
    }
    return SharedLibrary(module);
}

void SharedLibrary::close(void* handle) {
    FreeLibrary(static_cast<HMODULE>(handle));
}

void* SharedLibrary::symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

}  // namespace kaj::platform
