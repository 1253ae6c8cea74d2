#pragma once

#include "TreeEditorWindow.h"

namespace kaj::catalogue {

// The layout of an NPC template's properties: character, more, skills and spells.
class frmEditNPC : public TreeEditorWindow {
    Q_OBJECT
  public:
    frmEditNPC();
};

}  // namespace kaj::catalogue
