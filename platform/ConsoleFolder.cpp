#include "ConsoleFolder.h"

#include <system_error>

#include "FileLookup.h"

namespace kaj::platform {

ConsoleFolder findConsoleFolder(const std::filesystem::path& programFolder,
                                const ConsoleFolderSystem& system) {
    ConsoleFolder chosen;
    if (findCaseInsensitive(programFolder, "Kaj.ini", EntryKind::File) &&
        system.writable(programFolder)) {
        chosen.path = programFolder;
        chosen.portable = true;
        return chosen;
    }
    chosen.path = perUserConsoleFolder(system);
    return chosen;
}

ConsoleFolder chooseConsoleFolder(const std::filesystem::path& programFolder,
                                  const ConsoleFolderSystem& system) {
    ConsoleFolder chosen = findConsoleFolder(programFolder, system);
    std::error_code error;
    if (chosen.portable || std::filesystem::is_directory(chosen.path, error)) {
        return chosen;
    }
    std::filesystem::create_directories(chosen.path, error);
    if (!error) {
        // Kaj.ini holds passwords: the folder is its owner's alone.
        std::filesystem::permissions(chosen.path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, error);
    }
    if (error) {
        chosen.problem = error.message();
    } else {
        chosen.madeNow = true;
    }
    return chosen;
}

ConsoleFolder chooseConsoleFolder(const std::filesystem::path& programFolder) {
    return chooseConsoleFolder(programFolder, systemConsoleFolderSystem());
}

std::string newConsoleFolderNote(const ConsoleFolder& folder) {
    if (!folder.problem.empty()) {
        return "The folder " + folder.path.string() + " could not be made (" + folder.problem +
               "): settings cannot be saved.";
    }
    if (folder.madeNow) {
        return "Kajmar Console keeps its settings and files in " + folder.path.string() + ".";
    }
    return {};
}

std::filesystem::path controlLibraryFolder(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& packagedFolder) {
    if (packagedFolder.empty()) {
        return programFolder;
    }
    const auto packaged = programFolder.parent_path() / packagedFolder;
    std::error_code error;
    return std::filesystem::is_directory(packaged, error) ? packaged : programFolder;
}

}  // namespace kaj::platform
