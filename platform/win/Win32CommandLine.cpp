#include <windows.h>
#include <shellapi.h>

#include "CommandLine.h"
#include "WideText.h"

namespace kaj::platform {

std::vector<std::string> commandLineArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(wideToUtf8(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace kaj::platform
