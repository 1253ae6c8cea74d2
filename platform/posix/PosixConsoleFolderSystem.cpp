#include <unistd.h>

#include <cstdlib>

#include "ConsoleFolder.h"

namespace kaj::platform {

std::filesystem::path runningProgramFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : program.parent_path();
}

std::filesystem::path perUserConsoleFolder(const ConsoleFolderSystem& system) {
    // XDG says a relative XDG_CONFIG_HOME is to be ignored.
    const auto configHome = system.variable("XDG_CONFIG_HOME");
    if (configHome && !configHome->empty() && configHome->front() == '/') {
        return std::filesystem::path(*configHome) / "kajmar-console";
    }
    const auto home = system.variable("HOME");
    const std::filesystem::path base = home && !home->empty() ? *home : std::string(".");
    return base / ".config" / "kajmar-console";
}

ConsoleFolderSystem systemConsoleFolderSystem() {
    return {[](const char* name) -> std::optional<std::string> {
                const char* value = std::getenv(name);
                return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
            },
            [](const std::filesystem::path& folder) {
                return ::access(folder.c_str(), W_OK | X_OK) == 0;
            }};
}

}  // namespace kaj::platform
