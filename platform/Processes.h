#pragma once

#include <cstdint>
#include <string>

namespace kaj::platform {

// The name of a running process's program as the system gives it (Linux's comm,
// at most 15 characters; Windows' executable file name); empty when unknown.
std::string processName(std::uint64_t processId);
// Whether the process is the ancestor itself or was started by it or by one of
// its descendants.
bool isSameOrDescendant(std::uint64_t processId, std::uint64_t ancestor);
// The machine's name as .NET programs see it (Environment.MachineName): the host
// name up to its first "." on Linux, the computer name on Windows.
std::string machineName();

}  // namespace kaj::platform
