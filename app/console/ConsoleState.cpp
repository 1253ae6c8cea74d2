#include "ConsoleState.h"

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
    EditShard = false;
    settings.ListUserCommands.fill(kEmptyUserCommand);
}

}  // namespace kaj::console
