#include <windows.h>

#include "Registry.h"

namespace kaj::platform {

namespace {
class Win32Registry : public RegistryReader {
  public:
    std::optional<std::string> localMachineString(std::string_view key,
                                                  std::string_view valueName) const override {
        char buffer[1024];
        DWORD size = sizeof(buffer);
        const std::string keyText(key);
        const std::string nameText(valueName);
        if (RegGetValueA(HKEY_LOCAL_MACHINE, keyText.c_str(), nameText.c_str(),
                         RRF_RT_REG_SZ | RRF_SUBKEY_WOW6432KEY, nullptr, buffer,
                         &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return std::string(buffer);
    }
    std::filesystem::path toNativePath(std::string_view registryPath) const override {
        return std::filesystem::path(std::string(registryPath));
    }
};
}  // namespace

std::unique_ptr<RegistryReader> makeSystemRegistry() {
    return std::make_unique<Win32Registry>();
}

}  // namespace kaj::platform
