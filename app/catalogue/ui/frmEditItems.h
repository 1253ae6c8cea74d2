#pragma once

#include "TreeEditorWindow.h"

namespace kaj::catalogue {

// The layout of an item definition's properties: tabs "General" and "Scripts".
class frmEditItems : public TreeEditorWindow {
    Q_OBJECT
  public:
    frmEditItems();
};

}  // namespace kaj::catalogue
