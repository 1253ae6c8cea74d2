#include "frmEditItems.h"

namespace kaj::catalogue {

frmEditItems::frmEditItems() : TreeEditorWindow("frmEditItems", "Edit Items", 10425, 4845) {
    addFields(
        addPage("General"),
        {"Item Number:", "Graphic:", "Color:", "Movable:", "Newbie:", "Requires Attention:", "Desc",
         "Blocks Casting", "Save On Exit:", "MinX:", "MaxX:", "MinY:", "MaxY:", "Gump",
         "Invisible:", "Vendor Sells For:", "Vendor Buys For:", "Weight:", "Facing:"},
        7, "Text1");
    addFields(addPage("Scripts"),
              {"Script", "Walk on Script", "Control Script", "Destroy Script", "Create Script"}, 7,
              "Text1");
    addButton("Command2", "Save");
    addButton("Command1", "Alpha Sort");
    addButton("Command16", "Load ITEM.TXT");
    Form_Load();
}

}  // namespace kaj::catalogue
