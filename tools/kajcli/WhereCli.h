#pragma once

#include <filesystem>

namespace kaj::cli {

// The console's folder for this kajcli: its own folder when a Kaj.ini lies there
// and it can be written, else the user's, as the console chooses it.
std::filesystem::path consoleFolder();

// kajcli where: prints the folder the console keeps its files in, then the client's
// folder the console reads its art and map from, and where that was found.
int runWhere(int argc, char** argv);

}  // namespace kaj::cli
