#pragma once

#include <filesystem>

#include "DesktopInput.h"
#include "Dialogs.h"
#include "Registry.h"
#include "Shell.h"

namespace kaj::console {

// What the windows ask of the system, handed in so tests can record it.
struct ConsoleServices {
    platform::Dialogs& dialogs;
    platform::DesktopInput& desktop;
    platform::Shell& shell;
    platform::RegistryReader& registry;
    std::filesystem::path programFolder;  // holds Kaj.ini and the script files
    std::filesystem::path controlFolder;  // holds the control libraries
};

}  // namespace kaj::console
