#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kaj::platform {

// "The console's folder": where Kaj.ini, the catalogue script files, KajMap.scp,
// ClassicUO's per-shard settings and everything else the console writes beside
// itself live. It is the program's own folder when that folder holds a Kaj.ini and
// can be written (a portable copy, the demo, every setup made before the console
// was installed); otherwise the user's own folder: $XDG_CONFIG_HOME/kajmar-console
// (else ~/.config/kajmar-console), on Windows %APPDATA%\Kajmar Console, made
// readable by its owner only when it is first needed.
struct ConsoleFolder {
    std::filesystem::path path;
    bool portable = false;  // the program's own folder
    bool madeNow = false;   // the user's folder did not exist before
    std::string problem;    // why the user's folder could not be made; empty when it was
};

// What the rule asks of the system; tests hand in their own.
struct ConsoleFolderSystem {
    std::function<std::optional<std::string>(const char* name)> variable;  // environment
    std::function<bool(const std::filesystem::path& folder)> writable;
};

ConsoleFolderSystem systemConsoleFolderSystem();

// The user's own folder for the console's files, made or not.
std::filesystem::path perUserConsoleFolder(const ConsoleFolderSystem& system);

// Chooses the folder, making nothing: for reading what is there.
ConsoleFolder findConsoleFolder(const std::filesystem::path& programFolder,
                                const ConsoleFolderSystem& system);
// Chooses the folder and, where it is the user's, makes it when missing.
ConsoleFolder chooseConsoleFolder(const std::filesystem::path& programFolder,
                                  const ConsoleFolderSystem& system);
ConsoleFolder chooseConsoleFolder(const std::filesystem::path& programFolder);

// The folder of the running program's own file.
std::filesystem::path runningProgramFolder();

// What the user is told at the first start in a folder of their own: where the
// console keeps its files, or why that folder could not be made. Empty otherwise.
std::string newConsoleFolderNote(const ConsoleFolder& folder);

// Where the program finds its control libraries: the library folder of the package's
// own, given relative to the installation's root (the program's folder's parent), as
// in bin/../lib/x86_64-linux-gnu/kajmar-console; else the program's folder itself (a
// portable copy, the build).
std::filesystem::path controlLibraryFolder(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& packagedFolder);

}  // namespace kaj::platform
