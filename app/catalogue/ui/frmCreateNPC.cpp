#include "frmCreateNPC.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "ArtPreview.h"
#include "CatalogueLoads.h"
#include "CatalogueRows.h"
#include "CategoryTreeView.h"
#include "HostedControl.h"
#include "QtText.h"

namespace kaj::catalogue {
namespace {

using platform::fromCp1252;
using platform::toCp1252;

constexpr short kNpcBodies = 1;

std::vector<std::vector<std::string>> columns(const std::vector<NpcRow>& rows) {
    std::vector<std::vector<std::string>> out;
    out.reserve(rows.size());
    for (const auto& row : rows) {
        out.push_back({row.npc, row.objType, row.color});
    }
    return out;
}

}  // namespace

frmCreateNPC::frmCreateNPC(CatalogueHost& host)
    : CatalogueWindow(host,
                      {"frmCreateNPC", "NPCs", "tvwNPC", "cmdLoadNPC", "Load NPCS", "ListNPC",
                       "NPC categories", "NPCs"},
                      {"NPC", "ObjType", "Color"}, kNpcBodies),
      tvwNPC(tree_),
      ListNPC(list_) {
    createControls();
    setSizeInTwips(kWidthTwips, kHeightTwips);
}

void frmCreateNPC::createControls() {
    auto* layout = layout_;
    ListNPC->header()->resizeSection(0, 130);
    ListNPC->header()->resizeSection(1, 70);

    auto* middle = new QHBoxLayout();
    middle->addWidget(artPlace(QSize(120, 130)));

    auto frame = [this](const char* name, const char* title) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(name);
        auto* grid = new QVBoxLayout(box);
        grid->setContentsMargins(4, 2, 4, 2);
        grid->setSpacing(2);
        return box;
    };
    struct Command {
        const char* name;
        const char* caption;
        const char* text;
    };
    auto addCommands = [this](QGroupBox* box, std::initializer_list<Command> commands) {
        for (const auto& command : commands) {
            auto* b = button(command.name, command.caption, box);
            box->layout()->addWidget(b);
            const std::string text = command.text;
            connect(b, &QPushButton::clicked, this, [this, text] { host_.SendCommand(text); });
        }
    };

    auto* npcs = frame("FrameNPCs", "NPCs");
    auto* create = button("cmdNPCSCreate", "Create NPC", npcs);
    npcs->layout()->addWidget(create);
    connect(create, &QPushButton::clicked, this, [this] {
        const auto selected = ListNPC->selectedItems();
        if (selected.isEmpty()) {
            host_.dialogs().message("Please select an NPC from the list to create.");
            return;
        }
        host_.SendCommand("createnpc " + toCp1252(selected.front()->text(0)));
    });
    addCommands(npcs, {{"Command4", "Spawn NPC", "spawn "}, {"Command5", "Despawn", "despawn "}});
    middle->addWidget(npcs, 1);
    layout->addLayout(middle);

    auto* lower = new QHBoxLayout();
    auto* critter = frame("FrameCritter", "Critter");
    addCommands(critter, {{"Command18", "Town Critter", "critter"},
                          {"Command19", "Wildlife Critter", "wildlife"},
                          {"Command20", "Dungeon Critter", "dungeontrash"}});
    auto* spawns = frame("FrameSpawns", "Spawns");
    addCommands(spawns, {{"Command21", "Town Critter Spawn", "critterspawn"},
                         {"Command22", "Wildlife Spawn", "wildlifespawn"},
                         {"Command23", "Container Spawn", "spawncontainer"},
                         {"Command24", "People Spawn", "peoplespawn"},
                         {"Command25", "Reagent Spawn", "regspawn"}});
    auto* critterColumn = new QVBoxLayout();
    critterColumn->addWidget(critter);
    critterColumn->addStretch(1);
    lower->addLayout(critterColumn, 1);
    lower->addWidget(spawns, 1);
    layout->addLayout(lower);

    auto* equip = new QGroupBox("Equip Templates", this);
    equip->setObjectName("FrameEquip");
    auto* equipLayout = new QGridLayout(equip);
    equipLayout->setContentsMargins(4, 2, 4, 2);
    equipLayout->setSpacing(2);
    txtLoadEquip = new QLineEdit(equip);
    txtLoadEquip->setObjectName("txtLoadEquip");
    txtWriteEquip = new QLineEdit(equip);
    txtWriteEquip->setObjectName("txtWriteEquip");
    txtLoadEquip->setAccessibleName("Equip template to load");
    txtWriteEquip->setAccessibleName("Equip template to write");
    auto* loadEquip = button("cmdLoadEquip", "Load", equip);
    auto* writeEquip = button("cmdWriteEquip", "Write", equip);
    equipLayout->addWidget(txtLoadEquip, 0, 0);
    equipLayout->addWidget(loadEquip, 0, 1);
    equipLayout->addWidget(txtWriteEquip, 1, 0);
    equipLayout->addWidget(writeEquip, 1, 1);
    layout->addWidget(equip);
    connect(loadEquip, &QPushButton::clicked, this,
            [this] { host_.SendCommand("equipt " + toCp1252(txtLoadEquip->text())); });
    connect(writeEquip, &QPushButton::clicked, this,
            [this] { host_.SendCommand("writeequip " + toCp1252(txtWriteEquip->text())); });

    for (auto* box : {txtLoadEquip, txtWriteEquip}) {
        selectAllOnFocus(box);
    }
}

void frmCreateNPC::showTree() {
    ListNPC->clear();
    common::showCategoryTree(tvwNPC, host_.catalogue().tvwNPC);
}

void frmCreateNPC::tvwNPC_NodeClick(QTreeWidgetItem* node) {
    ListNPC->clear();
    if (node) {
        showRows(
            columns(npcRowsOfSection(host_.catalogue().ListFullChar, toCp1252(node->text(0)))));
    }
}

void frmCreateNPC::cmdNPCSearch_Click() {
    ListNPC->clear();
    showRows(
        columns(npcRowsMatching(host_.catalogue().ListFullChar, toCp1252(TextSearch->text()))));
}

void frmCreateNPC::ListNPC_ItemClick(QTreeWidgetItem* row) {
    preview(npcArtIndex(toCp1252(row->text(1))), npcArtColor(toCp1252(row->text(2))));
}

void frmCreateNPC::cmdLoadNPC_Click() {
    resetNpcDefaults(host_.catalogue());
    host_.loadNpcs();
    showTree();
    tvwNPC->setFocus();
}

}  // namespace kaj::catalogue
