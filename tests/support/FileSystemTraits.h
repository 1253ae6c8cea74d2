#pragma once

#include <filesystem>

namespace kaj::testing {

// What the file systems the tests run on can hold. Windows keeps only a read-only
// flag for permissions, takes names differing in case as one, and lets only some
// users make symbolic links; the tests of those cases run where they can happen.
#ifdef _WIN32
constexpr bool kFilesHaveModes = false;
constexpr bool kNamesDifferingInCaseAreDistinct = false;
constexpr bool kLinksCanBeMade = false;
#else
constexpr bool kFilesHaveModes = true;
constexpr bool kNamesDifferingInCaseAreDistinct = true;
constexpr bool kLinksCanBeMade = true;
#endif

inline unsigned fileMode(const std::filesystem::path& file) {
    return static_cast<unsigned>(std::filesystem::status(file).permissions()) & 0777u;
}

inline void setFileMode(const std::filesystem::path& file, unsigned mode) {
    std::filesystem::permissions(file, static_cast<std::filesystem::perms>(mode));
}

}  // namespace kaj::testing
