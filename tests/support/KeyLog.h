#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "TempFolder.h"

namespace kaj::testing {

// The key log a stand-in client writes, read once it holds at least `size` bytes and
// has had a moment to grow further: a program typed into returns before its keys
// are handled.
inline std::string waitForKeyLog(const std::filesystem::path& log, std::size_t size,
                                 std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline && TempFolder::read(log).size() < size) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    return TempFolder::read(log);
}

}  // namespace kaj::testing
