#pragma once

#include <filesystem>

namespace kaj::testing {

// What the file systems the tests run on can hold. Windows keeps only a read-only
// flag for permissions, takes names differing in case as one, and lets only some
// users make symbolic links; the tests of those cases run where they can happen.
// Off Windows, the client's registry key is read from Wine's registry file, which
// a test can write; on Windows from the registry itself (the Windows end-to-end
// tests write it with Wine's reg). Stand-in programs written as shell scripts run
// off Windows only.
#ifdef _WIN32
constexpr bool kFilesHaveModes = false;
constexpr bool kNamesDifferingInCaseAreDistinct = false;
constexpr bool kLinksCanBeMade = false;
constexpr bool kRegistryIsWinesFile = false;
constexpr bool kShellScriptsRun = false;
#else
constexpr bool kFilesHaveModes = true;
constexpr bool kNamesDifferingInCaseAreDistinct = true;
constexpr bool kLinksCanBeMade = true;
constexpr bool kRegistryIsWinesFile = true;
constexpr bool kShellScriptsRun = true;
#endif

inline unsigned fileMode(const std::filesystem::path& file) {
    return static_cast<unsigned>(std::filesystem::status(file).permissions()) & 0777u;
}

inline void setFileMode(const std::filesystem::path& file, unsigned mode) {
    std::filesystem::permissions(file, static_cast<std::filesystem::perms>(mode));
}

}  // namespace kaj::testing
