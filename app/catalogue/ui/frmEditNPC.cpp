#include "frmEditNPC.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "DropDownLists.h"
#include "LayoutHelpers.h"

namespace kaj::catalogue {
namespace {

const char* const kCircleNames[] = {"First Circle",   "Second Circle", "Third Circle",
                                    "Fourth Circle",  "Fifth Circle",  "Sixth Circle",
                                    "Seventh Circle", "Eighth Circle"};

}  // namespace

frmEditNPC::frmEditNPC() : TreeEditorWindow("frmEditNPC", "Edit NPCs", 10515, 4845) {
    auto* character = addPage("Character");
    addFields(character,
              {"Template", "Name", "Script", "ObjType", "Color", "True Color", "Loot Group"}, 7,
              "txtDataNPC");
    auto* alignment = new QComboBox(character->parentWidget());
    alignment->setObjectName("Combo1");
    alignment->addItems({"good", "neutral", "evil"});
    auto* gender = new QComboBox(character->parentWidget());
    gender->setObjectName("Combo2");
    gender->addItems({"male", "female"});
    character->addWidget(common::fieldLabel("Alignment", alignment), 0, 2);
    character->addWidget(alignment, 0, 3);
    addFields(character, {"HITS", "MANA", "STAM"}, 3, "txtDataNPC");
    character->addWidget(common::fieldLabel("Gender", gender), 4, 2);
    character->addWidget(gender, 4, 3);
    auto* dstart = new QLineEdit(character->parentWidget());
    dstart->setObjectName("txtDataNPC");
    character->addWidget(common::fieldLabel("dstart", dstart), 5, 2);
    character->addWidget(dstart, 5, 3);
    auto* psub = new QLineEdit(character->parentWidget());
    psub->setObjectName("txtDataNPC");
    character->addWidget(common::fieldLabel("psub", psub), 6, 2);
    character->addWidget(psub, 6, 3);

    addFields(addPage("More"),
              {"Attack Speed", "Attack Damage", "Attack Skill ID", "Attack Hit Sound",
               "Attack Miss Sound", "Death Sound", "Armor Rating", "Tame Skill", "Provoke", "Food",
               "Mechant Type", "Equipt"},
              7, "txtDataNPC");

    const auto& skills = console::skillNames();
    const auto half = static_cast<std::ptrdiff_t>((skills.size() + 1) / 2);
    addFields(addPage("Skills / Misc"), {skills.begin(), skills.begin() + half}, 9, "txtSkill");
    addFields(addPage("Skills / Other"), {skills.begin() + half, skills.end()}, 9, "txtSkill");

    for (int firstCircle : {0, 4}) {
        auto* page = addPage(firstCircle == 0 ? "Spells / Circle 1-4" : "Spells / Circle 5-8");
        for (int circle = firstCircle; circle < firstCircle + 4; ++circle) {
            const int column = circle - firstCircle;
            auto* caption = new QLabel(kCircleNames[circle], page->parentWidget());
            caption->setStyleSheet("font-weight: bold;");
            page->addWidget(caption, 0, column);
            int row = 1;
            for (const auto& spell : console::spells()) {
                if ((spell.number - 1) / 8 == circle) {
                    auto* box = new QCheckBox(spell.displayName, page->parentWidget());
                    box->setObjectName("Check1");
                    page->addWidget(box, row++, column);
                }
            }
        }
    }
    addButton("Command7", "Save");
    addButton("Command16", "Load NPCDESC.TXT");
    Form_Load();
}

}  // namespace kaj::catalogue
