#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "KajSettings.h"
#include "UserCommandModes.h"

namespace kaj::console {

// What the console's own pages share with the rest of the program for the whole
// run: the settings as values (what Kaj.ini holds: paths, options, saved
// positions, shards, the last shard, user commands), the flags, the client choice,
// the edit modes of the user commands and the spell keywords.
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
    std::vector<std::string> ListSpellNames;  // the spell keywords, in the Spells list's order

    ConsoleState();

    // The flags and modes as the main window's loading sets them.
    void resetForLoad();
};

}  // namespace kaj::console
