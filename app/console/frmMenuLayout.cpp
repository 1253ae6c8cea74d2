// The main window's controls: every tab with its frames, fields and lists.
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "SelectAllOnFocus.h"
#include "frmMenu.h"

namespace kaj::console {
namespace {

constexpr int kMargin = 3;
constexpr int kSpacing = 3;

template <typename Layout>
Layout* compact(Layout* layout) {
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    return layout;
}

QGroupBox* frame(const char* name, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

QLineEdit* frmMenu::lineEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->installEventFilter(selectAll_);
    return edit;
}

void frmMenu::selectAllOnFocus(QLineEdit* edit) {
    edit->installEventFilter(selectAll_);
}

void frmMenu::createControls() {
    selectAll_ = new SelectAllOnFocus(this);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    SSTab1->setUsesScrollButtons(false);
    SSTab1->setElideMode(Qt::ElideNone);
    SSTab1->setDocumentMode(false);
    SSTab1->setStyleSheet("QTabBar::tab { padding: 3px 7px; } QPushButton { padding: 3px 5px; }");
    SSTab1->addTab(createServerTab(), "Server");
    SSTab1->addTab(createGMTab(), "GM");
    SSTab1->addTab(createPlayerTab(), "Player");
    SSTab1->addTab(createNpcTab(), "Npc");
    SSTab1->addTab(createItemTab(), "Item");
    SSTab1->addTab(createTravelTab(), "Travel");
    SSTab1->addTab(createLauncherTab(), "Launcher");
    SSTab1->addTab(createMiscTab(), "Misc");
    SSTab1->addTab(createSpawnsTab(), "Spawns");
    SSTab1->addTab(createCommandsTab(), "Commands");
    SSTab1->addTab(createSetupTab(), "Setup");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(SSTab1);

    TimerEnterInfo = new QTimer(this);
    TimerEnterInfo->setObjectName("TimerEnterInfo");
    TimerEnterInfo->setInterval(kProgressTimerMs);
}

// The tabs of staff commands hold a grid, "CommandArea", and their frames; the
// command catalogue fills both.
namespace {

QGridLayout* commandArea(QWidget* page, QBoxLayout* row) {
    auto* area = new QWidget(page);
    area->setObjectName("CommandArea");
    auto* grid = compact(new QGridLayout(area));
    grid->setContentsMargins(0, 0, 0, 0);
    row->addWidget(area, 1);
    return grid;
}

QWidget* commandPage(QHBoxLayout** rowOut = nullptr) {
    auto* page = new QWidget;
    auto* row = compact(new QHBoxLayout(page));
    commandArea(page, row);
    if (rowOut != nullptr) {
        *rowOut = row;
    }
    return page;
}

QGroupBox* gridFrame(const char* name, const QString& title, QWidget* parent) {
    auto* box = frame(name, title, parent);
    compact(new QGridLayout(box));
    return box;
}

}  // namespace

QWidget* frmMenu::createServerTab() {
    return commandPage();
}

QWidget* frmMenu::createGMTab() {
    return commandPage();
}

QWidget* frmMenu::createPlayerTab() {
    return commandPage();
}

QWidget* frmMenu::createNpcTab() {
    QHBoxLayout* row = nullptr;
    QWidget* page = commandPage(&row);
    auto* frame2 = gridFrame("Frame2", QString(), page);
    auto* grid = static_cast<QGridLayout*>(frame2->layout());
    grid->addWidget(button("cmdCreateNPC", "Create NPC", frame2), 0, 0);
    grid->addWidget(button("cmdEditNPC", "Edit NPC", frame2), 1, 0);
    row->addWidget(frame2);
    return page;
}

QWidget* frmMenu::createItemTab() {
    QHBoxLayout* row = nullptr;
    QWidget* page = commandPage(&row);
    // Five rows fit only with slimmer buttons; the font stays the same.
    page->setStyleSheet("QPushButton { padding: 1px 4px; }");
    page->findChild<QWidget*>("CommandArea")->layout()->setSpacing(2);
    auto* frame3 = gridFrame("Frame3", QString(), page);
    auto* grid = static_cast<QGridLayout*>(frame3->layout());
    grid->addWidget(button("cmdEditItem", "Edit Items", frame3), 0, 0);
    grid->addWidget(button("cmdCreateItem", "Create Item", frame3), 1, 0);
    row->addWidget(frame3);
    return page;
}

QWidget* frmMenu::createTravelTab() {
    auto* page = new QWidget;
    auto* row = compact(new QHBoxLayout(page));
    auto* locations = frame("FrameLocations", "Locations", page);
    auto* locationsLayout = compact(new QHBoxLayout(locations));
    auto* tree = new QTreeWidget(locations);
    tree->setObjectName("tvwMap");
    tree->setHeaderHidden(true);
    locationsLayout->addWidget(tree, 2);
    auto* list = new QTreeWidget(locations);
    list->setObjectName("ListLocation");
    list->setRootIsDecorated(false);
    list->setHeaderLabels({"Name", "Location", "Index"});
    list->header()->setStretchLastSection(false);
    locationsLayout->addWidget(list, 3);
    row->addWidget(locations, 1);

    row->addWidget(gridFrame("Frame12", "Travel Commands", page));
    auto* coordinates = frame("Frame15", "Coordinates", page);
    auto* coordinatesLayout = compact(new QVBoxLayout(coordinates));
    auto* location = lineEdit("txtLocation", coordinates);
    location->setMinimumWidth(QFontMetrics(location->font()).horizontalAdvance("6143,4095,-127") +
                              12);
    coordinatesLayout->addWidget(location);
    coordinatesLayout->addStretch(1);
    row->addWidget(coordinates);
    return page;
}

QWidget* frmMenu::createLauncherTab() {
    auto* page = new QWidget;
    auto* row = compact(new QHBoxLayout(page));
    ListShards = new QListWidget(page);
    ListShards->setObjectName("ListShards");
    row->addWidget(ListShards, 2);

    FrameShardButtons = frame("FrameShardButtons", QString(), page);
    auto* buttons = compact(new QGridLayout(FrameShardButtons));
    buttons->addWidget(button("cmdShardEdit", "Edit", FrameShardButtons), 0, 0);
    buttons->addWidget(button("cmdShardLaunch", "Launch", FrameShardButtons), 0, 1);
    buttons->addWidget(button("cmdShardNew", "New", FrameShardButtons), 1, 0);
    buttons->addWidget(button("cmdShardDelete", "Delete", FrameShardButtons), 1, 1);
    row->addWidget(FrameShardButtons);

    FrameAccountInfo = frame("FrameAccountInfo", "Account Information", page);
    auto* fields = compact(new QGridLayout(FrameAccountInfo));
    txtAccountServerName = lineEdit("txtAccountServerName", FrameAccountInfo);
    txtAccountIP = lineEdit("txtAccountIP", FrameAccountInfo);
    txtAccountPort = lineEdit("txtAccountPort", FrameAccountInfo);
    txtAccountName = lineEdit("txtAccountName", FrameAccountInfo);
    txtAccountPassword = lineEdit("txtAccountPassword", FrameAccountInfo);
    txtAccountPassword->setEchoMode(QLineEdit::Password);
    txtAccountClient = lineEdit("txtAccountClient", FrameAccountInfo);
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Shard", txtAccountServerName},  {"Account", txtAccountName}, {"IP", txtAccountIP},
        {"Password", txtAccountPassword}, {"Port", txtAccountPort},    {"Client", txtAccountClient},
    };
    for (int i = 0; i < 6; ++i) {
        const int r = i / 2;
        const int c = (i % 2) * 2;
        fields->addWidget(new QLabel(rows[i].first, FrameAccountInfo), r, c);
        fields->addWidget(rows[i].second, r, c + 1);
    }
    row->addWidget(FrameAccountInfo, 5);
    return page;
}

QWidget* frmMenu::createMiscTab() {
    auto* page = new QWidget;
    auto* row = compact(new QHBoxLayout(page));
    row->addWidget(gridFrame("Frame6", "Spells", page), 1);
    row->addWidget(gridFrame("Frame7", "Music", page), 1);
    row->addWidget(gridFrame("Frame8", "Sound Effects", page), 1);
    auto* frame19 = frame("Frame19", QString(), page);
    auto* buttons = compact(new QVBoxLayout(frame19));
    buttons->addWidget(button("cmdEditPKG", "Edit Packages", frame19));
    buttons->addWidget(button("cmdEditAccounts", "Edit Accounts", frame19));
    buttons->addStretch(1);
    row->addWidget(frame19);
    return page;
}

QWidget* frmMenu::createSpawnsTab() {
    auto* page = new QWidget;
    auto* row = compact(new QHBoxLayout(page));
    row->addWidget(gridFrame("Frame9", "Region Spawner", page), 1);
    row->addWidget(gridFrame("Frame10", "Spawnet", page), 1);
    row->addStretch(0);
    return page;
}

QWidget* frmMenu::createCommandsTab() {
    auto* page = new QWidget;
    auto* row = compact(new QHBoxLayout(page));
    auto* frame13 = frame("Frame13", "Buttons", page);
    auto* fields = compact(new QGridLayout(frame13));
    txtCommandsCaption = lineEdit("txtCommandsCaption", frame13);
    txtCommandsCommand = lineEdit("txtCommandsCommand", frame13);
    fields->addWidget(new QLabel("Caption", frame13), 0, 0);
    fields->addWidget(txtCommandsCaption, 0, 1, 1, 2);
    fields->addWidget(new QLabel("Command", frame13), 1, 0);
    fields->addWidget(txtCommandsCommand, 1, 1, 1, 2);
    cmdCommandsAdd = button("cmdCommandsAdd", "Add", frame13);
    cmdCommandsChange = button("cmdCommandsChange", "Change", frame13);
    cmdCommandsRemove = button("cmdCommandsRemove", "Clear", frame13);
    cmdCommandsDone = button("cmdCommandsDone", "Done", frame13);
    fields->addWidget(cmdCommandsAdd, 2, 0);
    fields->addWidget(cmdCommandsDone, 2, 0);
    fields->addWidget(cmdCommandsChange, 2, 1);
    fields->addWidget(cmdCommandsRemove, 2, 2);
    cmdCommandsDone->hide();
    row->addWidget(frame13, 3);

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int slot = 0; slot < kUserCommandSlots; ++slot) {
        const QString name = QString("UserCMD%1").arg(slot);
        auto* b = new QPushButton(page);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setProperty("slot", slot);
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        UserCMD[static_cast<std::size_t>(slot)] = b;
        grid->addWidget(b, slot % 4, slot / 4);
        connect(b, &QPushButton::clicked, this, [this, slot] { UserCMD_Click(slot); });
    }
    row->addLayout(grid, 5);

    connect(cmdCommandsAdd, &QPushButton::clicked, this, [this] { cmdCommandsAdd_Click(); });
    connect(cmdCommandsChange, &QPushButton::clicked, this, [this] { cmdCommandsChange_Click(); });
    connect(cmdCommandsRemove, &QPushButton::clicked, this, [this] { cmdCommandsRemove_Click(); });
    connect(cmdCommandsDone, &QPushButton::clicked, this, [this] { cmdCommandsDone_Click(); });
    connect(txtCommandsCaption, &QLineEdit::returnPressed, txtCommandsCommand,
            [this] { txtCommandsCommand->setFocus(Qt::OtherFocusReason); });
    return page;
}

QWidget* frmMenu::createSetupTab() {
    auto* page = new QWidget;
    auto* row = compact(new QHBoxLayout(page));

    auto* paths = frame("Frame4", "Paths", page);
    auto* pathGrid = compact(new QGridLayout(paths));
    pathGrid->setVerticalSpacing(1);
    txtConfigUODir = lineEdit("txtConfigUODir", paths);
    txtConfigPOLDir = lineEdit("txtConfigPOLDir", paths);
    auto* browseUO = button("cmdConfigBrowseUO", "Browse", paths);
    auto* browsePOL = button("cmdConfigBrowsePOL", "Browse", paths);
    pathGrid->addWidget(new QLabel("Ultima Directory", paths), 0, 0, 1, 2);
    pathGrid->addWidget(txtConfigUODir, 1, 0);
    pathGrid->addWidget(browseUO, 1, 1);
    pathGrid->addWidget(new QLabel("POL Directory", paths), 2, 0, 1, 2);
    pathGrid->addWidget(txtConfigPOLDir, 3, 0);
    pathGrid->addWidget(browsePOL, 3, 1);
    row->addWidget(paths, 1);

    auto* right = compact(new QVBoxLayout);
    right->setContentsMargins(0, 0, 0, 0);
    auto* options = frame("Frame5", "Options", page);
    auto* optionGrid = compact(new QGridLayout(options));
    optionGrid->setVerticalSpacing(0);
    auto check = [&](const char* name, const char* caption, int r, int c) {
        auto* box = new QCheckBox(caption, options);
        box->setObjectName(name);
        optionGrid->addWidget(box, r, c);
        return box;
    };
    chkConfig2 = check("chkConfig2", "Load Scripts on Startup", 0, 0);
    chkConfig3 = check("chkConfig3", "Send Enter after each Command", 1, 0);
    chkConfig4 = check("chkConfig4", "Startup with Launcher in Focus", 2, 0);
    chkConfig5 = check("chkConfig5", "Stay on Top", 0, 1);
    chkConfig6 = check("chkConfig6", "Show Statics in Travel Map", 1, 1);
    chkConfig7 = check("chkConfig7", "Use Kaj Data Files", 2, 1);
    optionBoxes_ = {chkConfig2, chkConfig3, chkConfig4, chkConfig5, chkConfig6, chkConfig7};
    right->addWidget(options);

    auto* actions = compact(new QHBoxLayout);
    actions->setContentsMargins(0, 0, 0, 0);
    actions->addStretch(1);
    auto* save = button("cmdSetupSaveConfig", "SaveConfig", page);
    actions->addWidget(save);
    actions->addWidget(button("cmdSetupMakeDataFiles", "Make Data Files", page));
    right->addLayout(actions);
    right->addStretch(1);
    row->addLayout(right);

    connect(browseUO, &QPushButton::clicked, this,
            [this] { cmdConfigBrowse(txtConfigUODir, "Select your Ultima Online directory"); });
    connect(browsePOL, &QPushButton::clicked, this,
            [this] { cmdConfigBrowse(txtConfigPOLDir, "Select your POL directory"); });
    connect(save, &QPushButton::clicked, this, [this] { SaveIni(); });
    // A click, not a programmatic change, is what the user does; loading makes its
    // effect happen explicitly, as a click would.
    connect(chkConfig5, &QCheckBox::clicked, this, [this] { chkConfig5_Click(); });
    connect(chkConfig6, &QCheckBox::clicked, this, [this] { chkConfig6_Click(); });
    return page;
}

}  // namespace kaj::console
