#pragma once

#include <string>
#include <vector>

namespace kaj::console {

struct NumberedEntry {
    const char* name;
    int number;
};

struct Spell {
    const char* displayName;
    int number;
    const char* keyword;
};

// The fixed lists of the main window's drop-downs.
const std::vector<std::string>& skillNames();  // position = skill number
const std::vector<std::string>& propertyNames();
const std::vector<Spell>& spells();  // cboSpells, cboMakeMagic and ListSpellNames share this order
const std::vector<NumberedEntry>& musicEntries();
const std::vector<std::string>& soundDescriptions();  // entry k (from 1) is sound k
const std::vector<std::string>& newsActions();
const std::vector<std::string>& dressStyles();
const std::vector<std::string>& commandLevels();
const std::vector<std::string>& privileges();

enum class DropDownList {
    None,
    Skills,
    Properties,
    Spells,
    Music,
    Sounds,
    News,
    Dress,
    CommandLevels,
    Privileges
};

// The display texts of one list, in order.
std::vector<std::string> dropDownTexts(DropDownList list);

}  // namespace kaj::console
