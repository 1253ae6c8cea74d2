#include "ProgramState.h"

#include "CatalogueLoads.h"

namespace kaj::console {

void ProgramState::resetForLoad() {
    ConsoleState::resetForLoad();
    travel.EditLocation = false;
    catalogue::resetItemDefaults(catalogue);
    catalogue::resetNpcDefaults(catalogue);
}

}  // namespace kaj::console
