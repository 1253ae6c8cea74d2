// The Windows end-to-end tests' own main: GoogleTest, or the helper that holds the
// single-instance lock for another process.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "CommandLine.h"
#include "SingleInstance.h"
#include "WideText.h"
#include "WindowsTestHelpers.h"

namespace kaj::windows {

std::string thisProgram() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return platform::wideToUtf8(std::wstring_view(path, length));
}

}  // namespace kaj::windows

int main(int argc, char** argv) {
    const auto arguments = kaj::platform::commandLineArguments(argc, argv);
    if (arguments.size() == 3 && arguments[0] == kaj::windows::kHoldInstanceOption) {
        const kaj::platform::SingleInstance held(arguments[1]);
        std::ofstream(std::filesystem::path(kaj::platform::utf8ToWide(arguments[2])))
            << (held.isFirst() ? "first\n" : "second\n");
        Sleep(INFINITE);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
