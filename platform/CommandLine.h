#pragma once

#include <string>
#include <vector>

namespace kaj::platform {

// The program's arguments after its name, as UTF-8 text whatever the system's code
// page: on Windows taken from the wide command line, since main's narrow arguments
// arrive in the ANSI code page there.
std::vector<std::string> commandLineArguments(int argc, char** argv);

}  // namespace kaj::platform
