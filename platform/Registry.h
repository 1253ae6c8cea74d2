#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kaj::platform {

// Reads values under the local-machine root, in the 32-bit view the console and the
// client were built for: strings as they are, 32-bit numbers as their decimal text.
// Texts are Windows-1252.
class RegistryReader {
  public:
    virtual ~RegistryReader() = default;
    virtual std::optional<std::string> localMachineString(std::string_view key,
                                                          std::string_view valueName) const = 0;
    // A path stored in the registry, as a path of this system.
    virtual std::filesystem::path toNativePath(std::string_view registryPath) const = 0;
};

// Wine's registry: $WINEPREFIX/system.reg (default ~/.wine), where 32-bit programs
// see SOFTWARE\X as Software\Wow6432Node\X; drive paths go through dosdevices.
class WineRegistry : public RegistryReader {
  public:
    explicit WineRegistry(std::filesystem::path prefix);
    static std::filesystem::path defaultPrefix();

    std::optional<std::string> localMachineString(std::string_view key,
                                                  std::string_view valueName) const override;
    std::filesystem::path toNativePath(std::string_view registryPath) const override;

  private:
    std::filesystem::path prefix_;
};

// Unescapes one value of a .reg file line ("ExePath"="C:\\UO\\client.exe"); returns
// the value when the line names valueName (any letter case) and holds a string or
// a 32-bit number.
std::optional<std::string> parseRegStringValue(std::string_view line, std::string_view valueName);

std::unique_ptr<RegistryReader> makeSystemRegistry();

}  // namespace kaj::platform
