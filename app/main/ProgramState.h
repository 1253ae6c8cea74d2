#pragma once

#include "CatalogueState.h"
#include "ConsoleState.h"
#include "TravelState.h"

namespace kaj::console {

// Everything the program's windows share, owned by the main window for the whole
// run: the console's own state, the catalogues and the travel locations.
struct ProgramState : ConsoleState {
    catalogue::CatalogueState catalogue;
    travel::TravelState travel;

    // The flags, modes and catalogue defaults as the main window's loading sets them.
    void resetForLoad();
};

}  // namespace kaj::console
