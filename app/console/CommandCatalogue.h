#pragma once

#include <string>
#include <vector>

#include "DropDownLists.h"

namespace kaj::console {

// Where a control goes: a tab, the frame inside it (empty: the tab page itself),
// and a cell of that container's grid.
struct GridPlace {
    int tab = 0;
    const char* container = "";
    int row = 0;
    int column = 0;
    int columnSpan = 1;
};

enum class ArgumentKind {
    None,
    Text,              // the untrimmed text of a field or drop-down
    SelectedPosition,  // the position selected in a drop-down, from 0; -1 when none
    SpellKeyword,      // the entry of ListSpellNames at the position selected in a drop-down
};

struct Argument {
    ArgumentKind kind = ArgumentKind::None;
    const char* control = "";
};

enum class ButtonAction { SendCommand, StartPol, ShowAbout, NotActiveYet };

// One staff-command button: its place, name, caption, and how its command text is
// built: the verb, then the first argument, then a blank and the second argument.
struct CatalogueButton {
    GridPlace place;
    const char* name;
    const char* caption;
    const char* verb = "";
    Argument first{};
    Argument second{};
    ButtonAction action = ButtonAction::SendCommand;
    const char* refusedWhenEmpty = nullptr;  // message shown when the first argument is empty
};

enum class ControlKind { LineEdit, EditableComboBox, ListComboBox, UpDown };

// A field, drop-down or up-down arrow pair that the buttons read. An up-down shares
// the cell of the field it steps.
struct ArgumentControl {
    GridPlace place;
    const char* name;
    const char* caption;  // what screen readers call it: no label holds it
    ControlKind kind;
    DropDownList list = DropDownList::None;
    const char* buddy = nullptr;  // the field an up-down steps
};

const std::vector<CatalogueButton>& catalogueButtons();
const std::vector<ArgumentControl>& argumentControls();

// What the buttons read from the window.
class ArgumentReader {
  public:
    virtual ~ArgumentReader() = default;
    virtual std::string text(const std::string& control) const = 0;
    virtual int selectedPosition(const std::string& control) const = 0;
    virtual std::string spellKeyword(int position) const = 0;
};

std::string buildCommandText(const CatalogueButton& button, const ArgumentReader& reader);

// The Start POL target (path texts): the server's program in the POL folder ("pol.exe", or "pol"
// where only that exists), or empty when the folder holds neither.
std::string polProgramPath(const std::string& polFolder, bool preferWindowsProgram);

}  // namespace kaj::console
