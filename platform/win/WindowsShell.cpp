#include <windows.h>

#include "Shell.h"

namespace kaj::platform {
namespace {

class WindowsShell : public Shell {
  public:
    bool open(const std::string& target, const std::filesystem::path& workingFolder) override {
        const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
            nullptr, "open", target.c_str(), nullptr,
            workingFolder.empty() ? nullptr : workingFolder.string().c_str(), SW_SHOWNORMAL));
        return result > 32;
    }
};

}  // namespace

bool isExecutableFile(const std::string&) {
    // The shell decides by the extension on Windows; a .exe is classified before this.
    return false;
}

std::unique_ptr<Shell> makeSystemShell() {
    return std::make_unique<WindowsShell>();
}

}  // namespace kaj::platform
