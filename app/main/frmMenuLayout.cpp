// The main window's controls: every tab with its frames, fields and lists.
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ClientChooser.h"
#include "CommandsPage.h"
#include "LauncherPage.h"
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

void frmMenu::createControls() {
    selectAll_ = new common::SelectAllOnFocus(this);
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
    launcher_ = new launcher::LauncherPage(host_, selectAll_);
    SSTab1->addTab(commandPage(), "Server");
    SSTab1->addTab(commandPage(), "GM");
    SSTab1->addTab(commandPage(), "Player");
    SSTab1->addTab(createNpcTab(), "Npc");
    SSTab1->addTab(createItemTab(), "Item");
    SSTab1->addTab(travel_, "Travel");
    SSTab1->addTab(launcher_, "Launcher");
    SSTab1->addTab(createMiscTab(), "Misc");
    SSTab1->addTab(createSpawnsTab(), "Spawns");
    SSTab1->addTab(commands_, "Commands");
    SSTab1->addTab(setup_, "Setup");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(SSTab1);
    chooser_ = new ClientChooser([this] { return host_.clientWindows(); }, this);
    chooser_->hide();
    layout->addWidget(chooser_, 0, Qt::AlignRight);
    clientTimer_ = new QTimer(this);
    clientTimer_->setObjectName("TimerClients");
    clientTimer_->setInterval(kClientCheckMs);

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
    auto* grid = common::compact(new QGridLayout(area));
    grid->setContentsMargins(0, 0, 0, 0);
    row->addWidget(area, 1);
    return grid;
}

QWidget* commandPage(QHBoxLayout** rowOut) {
    auto* page = new QWidget;
    auto* row = common::compact(new QHBoxLayout(page));
    commandArea(page, row);
    if (rowOut != nullptr) {
        *rowOut = row;
    }
    return page;
}

QGroupBox* gridFrame(const char* name, const QString& title, QWidget* parent) {
    auto* box = common::namedFrame(name, title, parent);
    common::compact(new QGridLayout(box));
    return box;
}

}  // namespace

QWidget* frmMenu::createNpcTab() {
    QHBoxLayout* row = nullptr;
    QWidget* page = commandPage(&row);
    auto* frame2 = gridFrame("Frame2", QString(), page);
    auto* grid = static_cast<QGridLayout*>(frame2->layout());
    grid->addWidget(common::namedButton("cmdCreateNPC", "Create NPC", frame2), 0, 0);
    grid->addWidget(common::namedButton("cmdEditNPC", "Edit NPC", frame2), 1, 0);
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
    grid->addWidget(common::namedButton("cmdEditItem", "Edit Items", frame3), 0, 0);
    grid->addWidget(common::namedButton("cmdCreateItem", "Create Item", frame3), 1, 0);
    row->addWidget(frame3);
    return page;
}

QWidget* frmMenu::createMiscTab() {
    auto* page = new QWidget;
    auto* row = common::compact(new QHBoxLayout(page));
    row->addWidget(gridFrame("Frame6", "Spells", page), 1);
    row->addWidget(gridFrame("Frame7", "Music", page), 1);
    row->addWidget(gridFrame("Frame8", "Sound Effects", page), 1);
    auto* frame19 = common::namedFrame("Frame19", QString(), page);
    auto* buttons = common::compact(new QVBoxLayout(frame19));
    buttons->addWidget(common::namedButton("cmdEditPKG", "Edit Packages", frame19));
    buttons->addWidget(common::namedButton("cmdEditAccounts", "Edit Accounts", frame19));
    buttons->addStretch(1);
    row->addWidget(frame19);
    return page;
}

QWidget* frmMenu::createSpawnsTab() {
    auto* page = new QWidget;
    auto* row = common::compact(new QHBoxLayout(page));
    row->addWidget(gridFrame("Frame9", "Region Spawner", page), 1);
    row->addWidget(gridFrame("Frame10", "Spawnet", page), 1);
    row->addStretch(0);
    return page;
}

}  // namespace kaj::console
