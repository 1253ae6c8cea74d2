// The main window's controls: every tab with its frames, fields and lists.
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "CommandsPage.h"
#include "LayoutHelpers.h"
#include "QtText.h"
#include "SelectAllOnFocus.h"
#include "SetupPage.h"
#include "TravelPage.h"
#include "frmMenu.h"

namespace kaj::console {
namespace {

QWidget* commandPage(QHBoxLayout** rowOut = nullptr);

}  // namespace

QLineEdit* frmMenu::lineEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->installEventFilter(selectAll_);
    return edit;
}

void frmMenu::createControls() {
    selectAll_ = new SelectAllOnFocus(this);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    SSTab1->setUsesScrollButtons(false);
    SSTab1->setElideMode(Qt::ElideNone);
    SSTab1->setDocumentMode(false);
    SSTab1->setStyleSheet("QTabBar::tab { padding: 3px 7px; } QPushButton { padding: 3px 5px; }");
    commands_ = new CommandsPage(
        state_, [this](const std::string& command) { SendCommand(command); }, selectAll_);
    setup_ = new SetupPage(state_.settings, services_.dialogs, selectAll_);
    travel_ = new travel::TravelPage(host_, selectAll_);
    SSTab1->addTab(commandPage(), "Server");
    SSTab1->addTab(commandPage(), "GM");
    SSTab1->addTab(commandPage(), "Player");
    SSTab1->addTab(createNpcTab(), "Npc");
    SSTab1->addTab(createItemTab(), "Item");
    SSTab1->addTab(travel_, "Travel");
    SSTab1->addTab(createLauncherTab(), "Launcher");
    SSTab1->addTab(createMiscTab(), "Misc");
    SSTab1->addTab(createSpawnsTab(), "Spawns");
    SSTab1->addTab(commands_, "Commands");
    SSTab1->addTab(setup_, "Setup");
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

QWidget* commandPage(QHBoxLayout** rowOut) {
    auto* page = new QWidget;
    auto* row = compact(new QHBoxLayout(page));
    commandArea(page, row);
    if (rowOut != nullptr) {
        *rowOut = row;
    }
    return page;
}

QGroupBox* gridFrame(const char* name, const QString& title, QWidget* parent) {
    auto* box = namedFrame(name, title, parent);
    compact(new QGridLayout(box));
    return box;
}

}  // namespace

QWidget* frmMenu::createNpcTab() {
    QHBoxLayout* row = nullptr;
    QWidget* page = commandPage(&row);
    auto* frame2 = gridFrame("Frame2", QString(), page);
    auto* grid = static_cast<QGridLayout*>(frame2->layout());
    grid->addWidget(namedButton("cmdCreateNPC", "Create NPC", frame2), 0, 0);
    grid->addWidget(namedButton("cmdEditNPC", "Edit NPC", frame2), 1, 0);
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
    grid->addWidget(namedButton("cmdEditItem", "Edit Items", frame3), 0, 0);
    grid->addWidget(namedButton("cmdCreateItem", "Create Item", frame3), 1, 0);
    row->addWidget(frame3);
    return page;
}

QWidget* frmMenu::createLauncherTab() {
    auto* page = new QWidget;
    auto* row = compact(new QHBoxLayout(page));
    ListShards = new QListWidget(page);
    ListShards->setObjectName("ListShards");
    row->addWidget(ListShards, 2);

    FrameShardButtons = namedFrame("FrameShardButtons", QString(), page);
    auto* buttons = compact(new QGridLayout(FrameShardButtons));
    buttons->addWidget(namedButton("cmdShardEdit", "Edit", FrameShardButtons), 0, 0);
    buttons->addWidget(namedButton("cmdShardLaunch", "Launch", FrameShardButtons), 0, 1);
    buttons->addWidget(namedButton("cmdShardNew", "New", FrameShardButtons), 1, 0);
    buttons->addWidget(namedButton("cmdShardDelete", "Delete", FrameShardButtons), 1, 1);
    row->addWidget(FrameShardButtons);

    FrameAccountInfo = namedFrame("FrameAccountInfo", "Account Information", page);
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
    bindLauncherFields();
    return page;
}

QWidget* frmMenu::createMiscTab() {
    auto* page = new QWidget;
    auto* row = compact(new QHBoxLayout(page));
    row->addWidget(gridFrame("Frame6", "Spells", page), 1);
    row->addWidget(gridFrame("Frame7", "Music", page), 1);
    row->addWidget(gridFrame("Frame8", "Sound Effects", page), 1);
    auto* frame19 = namedFrame("Frame19", QString(), page);
    auto* buttons = compact(new QVBoxLayout(frame19));
    buttons->addWidget(namedButton("cmdEditPKG", "Edit Packages", frame19));
    buttons->addWidget(namedButton("cmdEditAccounts", "Edit Accounts", frame19));
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

void frmMenu::bindLauncherFields() {
    const std::pair<QLineEdit*, std::string ConsoleSettings::*> fields[] = {
        {txtAccountServerName, &ConsoleSettings::lastServer},
        {txtAccountIP, &ConsoleSettings::lastIp},
        {txtAccountName, &ConsoleSettings::lastAccount},
        {txtAccountPassword, &ConsoleSettings::lastPassword},
        {txtAccountPort, &ConsoleSettings::lastPort},
        {txtAccountClient, &ConsoleSettings::lastClient},
    };
    for (const auto& [field, member] : fields) {
        connect(field, &QLineEdit::textChanged, this, [this, member](const QString& text) {
            state_.settings.*member = platform::toCp1252(text);
        });
    }
}

}  // namespace kaj::console
