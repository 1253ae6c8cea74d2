#include "frmCreateItem.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ArtPreview.h"
#include "CatalogueLoads.h"
#include "CatalogueRows.h"
#include "CategoryTreeView.h"
#include "HostedControl.h"
#include "QtText.h"
#include "UpDownArrows.h"

namespace kaj::catalogue {
namespace {

using platform::fromCp1252;
using platform::toCp1252;

std::vector<std::vector<std::string>> columns(const std::vector<ItemRow>& rows) {
    std::vector<std::vector<std::string>> out;
    out.reserve(rows.size());
    for (const auto& row : rows) {
        out.push_back({row.name, row.id, row.graphic, row.color});
    }
    return out;
}

}  // namespace

frmCreateItem::frmCreateItem(CatalogueHost& host)
    : CatalogueWindow(host,
                      {"frmCreateItem", "Create Items", "tvwItems", "cmdLoadItems", "Load ITEMS",
                       "ListItems", "Item categories", "Items"},
                      {"Name", "ID", "Graphic", "Color"}, 0),
      tvwItems(tree_),
      ListItems(list_) {
    createControls();
    setSizeInTwips(kWidthTwips, kHeightTwips);
}

void frmCreateItem::createControls() {
    auto* layout = layout_;
    ListItems->header()->resizeSection(0, 120);
    ListItems->header()->resizeSection(1, 54);
    ListItems->header()->resizeSection(2, 54);

    auto* previewRow = new QHBoxLayout();
    previewRow->addWidget(artPlace(QSize(100, 100)));

    auto* previewSide = new QVBoxLayout();
    TextGraphic = new QLineEdit(this);
    TextGraphic->setObjectName("TextGraphic");
    TextGraphic->setAccessibleName("Graphic");
    previewSide->addWidget(TextGraphic);
    ListObjTypes = common::makeReportList("ListObjTypes", {"Obj Type"}, this);
    ListObjTypes->setAccessibleName("Obj Types");
    previewSide->addWidget(ListObjTypes, 1);
    connect(ListObjTypes, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* row) { ListObjTypes_ItemClick(row); });
    previewRow->addLayout(previewSide, 1);

    auto* options = new QGroupBox("Options", this);
    options->setObjectName("FrameOptions");
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->setContentsMargins(4, 2, 4, 2);
    auto* option1 = new QRadioButton("Pol Definition", options);
    option1->setObjectName("Option1");
    auto* option2 = new QRadioButton("Object Type", options);
    option2->setObjectName("Option2");
    option1->setChecked(true);
    for (auto* option : {option1, option2}) {
        option->setEnabled(false);  // no behaviour behind them
        optionsLayout->addWidget(option);
    }
    previewSide->addWidget(options);
    layout->addLayout(previewRow);

    auto amountBox = [this](const char* name, const char* text) {
        auto* box = new QLineEdit(text, this);
        box->setObjectName(name);
        box->setFixedWidth(40);
        selectAllOnFocus(box);
        return box;
    };
    txtAmount3 = amountBox("txtAmount3", "1");
    txtAmount4 = amountBox("txtAmount4", "25");
    txtAmount5 = amountBox("txtAmount5", "1");
    txtAmountChest = amountBox("txtAmountChest", "1");
    TextDistance = amountBox("TextDistance", "1");
    selectAllOnFocus(TextGraphic);

    auto* createRow = new QHBoxLayout();
    createRow->setSpacing(2);
    auto* create = button("cmdCreate", "Create", this);
    auto* createAt = button("cmdCreateat", "Create At", this);
    auto* spawnItem = button("cmdSpawnItem", "Spawn Item", this);
    for (auto* b : {create, createAt, spawnItem}) {
        createRow->addWidget(b);
    }
    layout->addLayout(createRow);
    auto* commands = new QGridLayout();
    commands->setHorizontalSpacing(1);
    commands->setVerticalSpacing(2);
    commands->setColumnMinimumWidth(3, 6);
    struct Amount {
        const char* name;
        const char* caption;
        QLineEdit* box;
        const char* spinner;
        int minimum;
    };
    const Amount amounts[] = {{"cmdCreatestack", "Create Stack", txtAmount3, "UpDown1", 1},
                              {"cmdMakeregs", "Make Regs", txtAmount4, "UpDown2", 0},
                              {"cmdMakegold", "Make Gold", txtAmount5, "UpDown3", 0},
                              {"cmdSpawnChest", "Spawn Chest", txtAmountChest, "UpDown4", 0}};
    QPushButton* amountButtons[4] = {};
    for (int i = 0; i < 4; ++i) {
        const auto& amount = amounts[i];
        auto* b = button(amount.name, amount.caption, this);
        amount.box->setAccessibleName(QString(amount.caption) + " amount");
        auto* spinner = new common::UpDownArrows(amount.box, amount.minimum, 10000, this);
        spinner->setObjectName(amount.spinner);
        b->setStyleSheet("padding: 2px 1px;");
        const int row = i / 2;
        const int column = (i % 2) * 4;
        commands->addWidget(b, row, column);
        commands->addWidget(amount.box, row, column + 1);
        commands->addWidget(spinner, row, column + 2);
        amountButtons[i] = b;
        connect(amount.box, &QLineEdit::returnPressed, b, &QPushButton::click);
    }
    layout->addLayout(commands);

    auto* nudge = new QGroupBox("Nudge", this);
    nudge->setObjectName("FrameNudge");
    auto* nudgeLayout = new QGridLayout(nudge);
    nudgeLayout->setContentsMargins(4, 2, 4, 2);
    nudgeLayout->setSpacing(2);
    struct Nudge {
        const char* name;
        const char* caption;
        const char* verb;
        int row, column;
    };
    const Nudge nudges[] = {
        {"cmdUpLeft", "Up/Left", "mx ", 0, 0},   {"cmdUp", "Higher", "pz ", 0, 1},
        {"cmdUpRight", "Up/Right", "my ", 0, 2}, {"cmdDownLeft", "Down/Left", "py ", 1, 0},
        {"cmdDown", "Lower", "mz ", 1, 1},       {"cmdDownRight", "Down/Right", "px ", 1, 2}};
    for (const auto& n : nudges) {
        auto* b = button(n.name, n.caption, nudge);
        nudgeLayout->addWidget(b, n.row, n.column);
        const std::string verb = n.verb;
        connect(b, &QPushButton::clicked, this,
                [this, verb] { send(verb + toCp1252(TextDistance->text())); });
    }
    TextDistance->setParent(nudge);
    auto* distanceSpinner = new common::UpDownArrows(TextDistance, -40, 40, nudge);
    distanceSpinner->setObjectName("UpDownDistance");
    auto* distance = new QHBoxLayout();
    distance->addWidget(TextDistance);
    distance->addWidget(distanceSpinner);
    nudgeLayout->addLayout(distance, 0, 3, 2, 1);
    layout->addWidget(nudge);

    auto* handling = new QGridLayout();
    handling->setSpacing(2);
    auto* moveToCont = button("cmdMovetoCont", "Move to Cont", this);
    auto* moveItem = button("cmdMoveItem", "Move Item", this);
    auto* destroy = button("cmdNPCSCreate", "Destroy", this);
    auto* unmovable = button("cmdunmovable", "Unmovable", this);
    auto* movable = button("cmdMovable", "Movable", this);
    handling->addWidget(moveToCont, 0, 0);
    handling->addWidget(moveItem, 0, 1);
    handling->addWidget(destroy, 0, 2);
    handling->addWidget(unmovable, 1, 0);
    handling->addWidget(movable, 1, 1);
    layout->addLayout(handling);

    connect(create, &QPushButton::clicked, this, [this] {
        if (auto id = selectedId("Please select an item from the list to create.")) {
            send("create " + *id);
        }
    });
    connect(createAt, &QPushButton::clicked, this, [this] {
        if (auto id = selectedId("Please select an item from the list to create.")) {
            send("createat " + *id);
        }
    });
    connect(amountButtons[0], &QPushButton::clicked, this, [this] {
        if (auto id = selectedId("Please select an item from the list to create.")) {
            send("createstack " + *id + " " + toCp1252(txtAmount3->text()));
        }
    });
    connect(spawnItem, &QPushButton::clicked, this, [this] {
        if (auto id = selectedId("Please Select an item to spawn.")) {
            send("spawnitem " + *id);
        }
    });
    connect(amountButtons[1], &QPushButton::clicked, this,
            [this] { send("makeregs " + toCp1252(txtAmount4->text())); });
    connect(amountButtons[2], &QPushButton::clicked, this,
            [this] { send("createstack 3821 " + toCp1252(txtAmount5->text())); });
    connect(amountButtons[3], &QPushButton::clicked, this,
            [this] { send("spawnchest " + toCp1252(txtAmountChest->text())); });
    connect(destroy, &QPushButton::clicked, this, [this] { send("destroy"); });
    connect(moveItem, &QPushButton::clicked, this, [this] { send("moveitem"); });
    connect(moveToCont, &QPushButton::clicked, this, [this] { send("movetocont"); });
    connect(movable, &QPushButton::clicked, this, [this] { send("setmovable 1"); });
    connect(unmovable, &QPushButton::clicked, this, [this] { send("setmovable 0"); });
}

void frmCreateItem::send(const std::string& command) {
    host_.SendCommand(command);
}

std::optional<std::string> frmCreateItem::selectedId(const char* missingMessage) {
    const auto selected = ListItems->selectedItems();
    if (selected.isEmpty()) {
        host_.dialogs().message(missingMessage);
        return std::nullopt;
    }
    return toCp1252(selected.front()->text(1));
}

void frmCreateItem::showTree() {
    ListItems->clear();
    ListObjTypes->clear();
    common::showCategoryTree(tvwItems, host_.catalogue().tvwItems);
}

void frmCreateItem::fillObjectTypes() {
    ListObjTypes->clear();
    std::vector<ItemRow> rows;
    for (int i = 0; i < ListItems->topLevelItemCount(); ++i) {
        rows.push_back({{}, toCp1252(ListItems->topLevelItem(i)->text(1)), {}, {}});
    }
    for (const auto& type : distinctObjectTypes(rows)) {
        new QTreeWidgetItem(ListObjTypes, QStringList{fromCp1252(type)});
    }
}

void frmCreateItem::tvwItems_NodeClick(QTreeWidgetItem* node) {
    ListItems->clear();
    if (!node) {
        return;
    }
    showRows(columns(itemRowsOfSection(host_.catalogue().ListFullItem, toCp1252(node->text(0)))));
    fillObjectTypes();
}

void frmCreateItem::cmdNPCSearch_Click() {
    showRows(
        columns(itemRowsMatching(host_.catalogue().ListFullItem, toCp1252(TextSearch->text()))));
    fillObjectTypes();
}

void frmCreateItem::ListItems_ItemClick(QTreeWidgetItem* row) {
    const std::string graphic = toCp1252(row->text(2));
    TextGraphic->setText(fromCp1252(graphic));
    preview(itemArtIndex(graphic), itemArtColor(toCp1252(row->text(3))));
}

void frmCreateItem::ListObjTypes_ItemClick(QTreeWidgetItem* row) {
    preview(itemArtIndex(toCp1252(row->text(0))), std::nullopt);
}

void frmCreateItem::cmdLoadItems_Click() {
    resetItemDefaults(host_.catalogue());
    host_.loadItems();
    showTree();
    tvwItems->setFocus();
}

}  // namespace kaj::catalogue
