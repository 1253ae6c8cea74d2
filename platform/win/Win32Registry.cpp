#include <windows.h>

#include <cstring>

#include "Registry.h"
#include "WideText.h"

namespace kaj::platform {
namespace {

// The local machine's values, the 32-bit view first (where the client's 32-bit
// installer writes), then the 64-bit one (where a 64-bit tool writes).
class Win32Registry : public RegistryReader {
  public:
    std::optional<std::string> localMachineString(std::string_view key,
                                                  std::string_view valueName) const override {
        const std::wstring keyText = cp1252ToWide(key);
        const std::wstring nameText = cp1252ToWide(valueName);
        for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            HKEY opened = nullptr;
            if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyText.c_str(), 0, KEY_QUERY_VALUE | view,
                              &opened) != ERROR_SUCCESS) {
                continue;
            }
            wchar_t buffer[1024] = {};
            DWORD size = sizeof buffer - sizeof(wchar_t);
            DWORD type = 0;
            const LSTATUS read = RegQueryValueExW(opened, nameText.c_str(), nullptr, &type,
                                                  reinterpret_cast<BYTE*>(buffer), &size);
            RegCloseKey(opened);
            if (read != ERROR_SUCCESS) {
                continue;
            }
            if (type == REG_DWORD && size == sizeof(DWORD)) {
                DWORD number = 0;
                std::memcpy(&number, buffer, sizeof number);
                return std::to_string(number);
            }
            if (type == REG_SZ || type == REG_EXPAND_SZ) {
                // The stored text may or may not end with its terminator.
                std::wstring_view text(buffer, size / sizeof(wchar_t));
                while (!text.empty() && text.back() == L'\0') {
                    text.remove_suffix(1);
                }
                return wideToCp1252(text);
            }
        }
        return std::nullopt;
    }
    std::filesystem::path toNativePath(std::string_view registryPath) const override {
        return std::filesystem::path(cp1252ToWide(registryPath));
    }
};

}  // namespace

std::unique_ptr<RegistryReader> makeSystemRegistry() {
    return std::make_unique<Win32Registry>();
}

}  // namespace kaj::platform
