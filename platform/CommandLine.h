#pragma once

#include <string>
#include <vector>

namespace kaj::platform {

// The program's arguments after its name, as UTF-8 text whatever the system's code
// page: on Windows taken from the wide command line, since main's narrow arguments
// arrive in the ANSI code page there.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Standard output and error pass bytes as written: Windows would otherwise turn each
// line break into CR LF, and output checked byte for byte would differ between systems.
void writeStandardStreamsAsBytes();

}  // namespace kaj::platform
