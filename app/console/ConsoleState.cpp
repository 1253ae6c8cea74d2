#include "ConsoleState.h"

#include "CatalogueLoads.h"
#include "DropDownLists.h"

namespace kaj::console {

ConsoleState::ConsoleState() {
    for (const auto& spell : spells()) {
        ListSpellNames.emplace_back(spell.keyword);
    }
}

void ConsoleState::resetForLoad() {
    Shutdown = UserCommand = false;
    userCommands.reset();
    travel.EditLocation = false;
    EditShard = false;
    catalogue::resetItemDefaults(catalogue);
    catalogue::resetNpcDefaults(catalogue);
    settings.ListUserCommands.fill(kEmptyUserCommand);
}

}  // namespace kaj::console
