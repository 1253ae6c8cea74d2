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
        for (DWORD view : {static_cast<DWORD>(RRF_SUBKEY_WOW6432KEY),
                           static_cast<DWORD>(RRF_SUBKEY_WOW6464KEY)}) {
            wchar_t buffer[1024];
            DWORD size = sizeof buffer;
            DWORD type = 0;
            if (RegGetValueW(HKEY_LOCAL_MACHINE, keyText.c_str(), nameText.c_str(),
                             RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_RT_REG_DWORD | view, &type,
                             buffer, &size) != ERROR_SUCCESS) {
                continue;
            }
            if (type == REG_DWORD) {
                DWORD number = 0;
                std::memcpy(&number, buffer, sizeof number);
                return std::to_string(number);
            }
            return wideToCp1252(buffer);
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
