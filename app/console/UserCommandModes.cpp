#include "UserCommandModes.h"

#include "UserCommandEntry.h"

namespace kaj::console {

const char* UserCommandModes::add() {
    UserAdd = true;
    return kPromptAdd;
}

const char* UserCommandModes::change() {
    UserChange = true;
    return kPromptChange;
}

const char* UserCommandModes::clear() {
    UserClear = true;
    return kPromptClear;
}

UserCommandClick UserCommandModes::click(int slot, UserCommandList& entries,
                                         const std::string& captionField,
                                         const std::string& commandField) {
    UserCommandIndex = static_cast<std::int16_t>(slot);
    std::string& entry = entries[static_cast<std::size_t>(slot)];
    UserCommandClick result;
    if (UserAdd) {
        entry = joinUserCommand(captionField, commandField);
        result = {UserCommandClick::Action::Stored, userCommandCaption(entry), {}};
    } else if (UserChange) {
        const auto parts = splitUserCommand(entry);
        result = {UserCommandClick::Action::Editing, parts.caption, parts.command};
    } else if (UserClear) {
        entry = kEmptyUserCommand;
        result = {UserCommandClick::Action::Cleared, {}, {}};
    } else {
        result = {UserCommandClick::Action::Send, {}, commandOfEntry(entry)};
    }
    reset();
    return result;
}

std::string UserCommandModes::done(UserCommandList& entries, const std::string& captionField,
                                   const std::string& commandField) const {
    std::string& entry = entries[static_cast<std::size_t>(UserCommandIndex)];
    entry = joinUserCommand(captionField, commandField);
    return userCommandCaption(entry);
}

void UserCommandModes::reset() {
    UserAdd = UserChange = UserClear = false;
}

std::string commandOfEntry(const std::string& entry) {
    if (entry == kEmptyUserCommand) {
        return {};
    }
    return splitUserCommand(entry).command;
}

}  // namespace kaj::console
