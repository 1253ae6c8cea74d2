#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "KajSettings.h"

namespace kaj::console {

using UserCommandList = std::array<std::string, kUserCommandSlots>;

constexpr const char* kPromptAdd = "Please Select a Location for this Command";
constexpr const char* kPromptChange = "Please Select a Command to Edit";
constexpr const char* kPromptClear = "Please Select a Command to Remove";
constexpr const char* kPromptDone = "Press done when finished editing command";

// What a click on a user-command button did, for the window to show.
struct UserCommandClick {
    enum class Action {
        Stored,   // Add: the slot holds the fields; its button shows `caption`
        Editing,  // Change: the fields are to show `caption` and `command`
        Cleared,  // Clear: the slot is empty
        Send,     // no mode: `command` is to be typed as a user command
    };
    Action action = Action::Send;
    std::string caption;
    std::string command;
};

// The Add, Change and Clear modes of the Commands tab and the slot they act on.
// Several modes may be set at once: Add wins over Change, Change over Clear.
class UserCommandModes {
  public:
    bool UserAdd = false;
    bool UserChange = false;
    bool UserClear = false;
    std::int16_t UserCommandIndex = 0;  // the slot clicked last, which Done rewrites

    // Each sets its mode and returns the prompt to show.
    const char* add();
    const char* change();
    const char* clear();

    // A click on the button of a slot: acts on the entries by the modes set, then
    // clears every mode. The fields are the caption and command boxes' texts.
    UserCommandClick click(int slot, UserCommandList& entries, const std::string& captionField,
                           const std::string& commandField);
    // Done: the slot clicked last takes the fields; returns its button's caption.
    std::string done(UserCommandList& entries, const std::string& captionField,
                     const std::string& commandField) const;

    void reset();
};

// The command a slot types: an empty slot (" | " or "|") types nothing but Enter.
std::string commandOfEntry(const std::string& entry);

}  // namespace kaj::console
