#pragma once

#include <filesystem>
#include <string>

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
    // The console's folder: Kaj.ini, the script files, the travel file (the
    // program's own folder in a portable copy, else the user's).
    std::filesystem::path programFolder;
    std::filesystem::path controlFolder;  // holds the control libraries
    // Said with the first start's message when the console's folder was just made.
    std::string folderNote = {};
};

}  // namespace kaj::console
