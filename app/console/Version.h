#pragma once

#include <string>

namespace kaj::console {

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 7;
constexpr int kVersionRevision = 28;

inline std::string versionNumber() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

}  // namespace kaj::console
