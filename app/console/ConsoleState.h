#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CatalogueState.h"
#include "KajSettings.h"
#include "TravelState.h"
#include "UserCommandModes.h"

namespace kaj::console {

// What the console's windows share, owned by the main window for the whole run:
// the settings as values (what Kaj.ini holds: paths, options, saved positions,
// shards, the last shard, user commands), the lists, the flags, the edit modes of
// the user commands, the catalogues and the travel locations.
struct ConsoleState {
    ConsoleSettings settings;
    // The next command is typed as a user command, without its dot; cleared by
    // every send.
    bool UserCommand = false;
    bool ProbablyFirstTime = false;  // Kaj.ini was missing at start
    bool Shutdown = false;           // the main window is closing
    bool EditShard = false;          // the Launcher tab is editing a shard
    // The client window the user chose among several, and the process the
    // launcher started last, whose window is preferred.
    std::optional<std::uint64_t> chosenClientWindow;
    std::optional<std::uint64_t> launchedClientProcess;
    UserCommandModes userCommands;
    catalogue::CatalogueState catalogue;
    travel::TravelState travel;
    std::vector<std::string> ListSpellNames;  // the spell keywords, in the Spells list's order

    ConsoleState();

    // The flags, modes and catalogue defaults as the main window's loading sets them.
    void resetForLoad();
};

}  // namespace kaj::console
