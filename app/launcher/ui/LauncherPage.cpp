#include "LauncherPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "ClientLaunch.h"
#include "LayoutHelpers.h"
#include "QtText.h"

namespace kaj::launcher {
namespace {

using common::compact;
using common::namedButton;
using common::namedFrame;
using platform::fromCp1252;
using platform::toCp1252;

constexpr const char* kNothingToEdit = "Please Select a shard to edit first";
constexpr const char* kNothingToDelete = "Please select a shard to delete";
constexpr const char* kMalformedShard = "Invalid shard in list. Please delete.";

}  // namespace

LauncherPage::LauncherPage(LauncherHost& host, QObject* selectAllOnFocus, QWidget* parent)
    : QWidget(parent), host_(host) {
    auto* row = compact(new QHBoxLayout(this));
    ListShards = new QListWidget(this);
    ListShards->setObjectName("ListShards");
    ListShards->setAccessibleName("Shards");
    row->addWidget(ListShards, 2);

    FrameShardButtons = namedFrame("FrameShardButtons", QString(), this);
    auto* buttons = compact(new QGridLayout(FrameShardButtons));
    cmdEditShard = namedButton("cmdEditShard", "Edit", FrameShardButtons);
    cmdLauncherLaunch = namedButton("cmdLauncherLaunch", "Launch", FrameShardButtons);
    cmdLauncherNew = namedButton("cmdLauncherNew", "New", FrameShardButtons);
    cmdLauncherDelete = namedButton("cmdLauncherDelete", "Delete", FrameShardButtons);
    buttons->addWidget(cmdEditShard, 0, 0);
    buttons->addWidget(cmdLauncherLaunch, 0, 1);
    buttons->addWidget(cmdLauncherNew, 1, 0);
    buttons->addWidget(cmdLauncherDelete, 1, 1);
    row->addWidget(FrameShardButtons);

    createAccountFrame(selectAllOnFocus);
    row->addWidget(FrameAccountInfo, 5);

    connect(ListShards, &QListWidget::currentRowChanged, this, [this] { ListShards_Click(); });
    common::connectClicks(this, {
                                    {cmdEditShard, &LauncherPage::cmdEditShard_Click},
                                    {cmdLauncherLaunch, &LauncherPage::cmdLauncherLaunch_Click},
                                    {cmdLauncherNew, &LauncherPage::cmdLauncherNew_Click},
                                    {cmdLauncherDelete, &LauncherPage::cmdLauncherDelete_Click},
                                    {cmdLauncherDone, &LauncherPage::cmdLauncherDone_Click},
                                    {cmdLauncherCancel, &LauncherPage::cmdLauncherCancel_Click},
                                    {cmdLauncherBrowse, &LauncherPage::cmdLauncherBrowse_Click},
                                });
}

void LauncherPage::createAccountFrame(QObject* selectAllOnFocus) {
    FrameAccountInfo = namedFrame("FrameAccountInfo", "Account Information", this);
    auto* grid = compact(new QGridLayout(FrameAccountInfo));
    grid->setVerticalSpacing(1);
    auto box = [&](const char* name) {
        return common::namedBox(name, FrameAccountInfo, selectAllOnFocus);
    };
    txtAccountServerName = box("txtAccountServerName");
    txtAccountName = box("txtAccountName");
    txtAccountPassword = box("txtAccountPassword");
    txtAccountIP = box("txtAccountIP");
    txtAccountPort = box("txtAccountPort");
    txtAccountClient = box("txtAccountClient");
    // Two columns; the keyboard goes down the left one, then down the right one.
    const std::pair<const char*, QLineEdit*> columns[2][3] = {
        {{"Name", txtAccountServerName},
         {"Account", txtAccountName},
         {"Password", txtAccountPassword}},
        {{"IP", txtAccountIP}, {"Port", txtAccountPort}, {"Client", txtAccountClient}},
    };
    QWidget* previous = nullptr;
    for (int column = 0; column < 2; ++column) {
        for (int r = 0; r < 3; ++r) {
            const auto& [label, edit] = columns[column][r];
            grid->addWidget(common::fieldLabel(label, edit), r, column * 2);
            grid->addWidget(edit, r, column * 2 + 1);
            if (previous != nullptr) {
                setTabOrder(previous, edit);
            }
            previous = edit;
        }
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 3);
    auto* actions = new QHBoxLayout;
    actions->setSpacing(common::kCompactSpacing);
    actions->addStretch(1);
    cmdLauncherDone = namedButton("cmdLauncherDone", "Done", FrameAccountInfo);
    cmdLauncherCancel = namedButton("cmdLauncherCancel", "Cancel", FrameAccountInfo);
    cmdLauncherBrowse = namedButton("cmdLauncherBrowse", "Browse", FrameAccountInfo);
    for (QPushButton* button : {cmdLauncherDone, cmdLauncherCancel, cmdLauncherBrowse}) {
        button->setStyleSheet("padding: 1px 6px;");
        actions->addWidget(button);
        setTabOrder(previous, button);
        previous = button;
    }
    grid->addLayout(actions, 3, 0, 1, 4);

    const std::pair<QLineEdit*, std::string console::ConsoleSettings::*> bound[] = {
        {txtAccountServerName, &console::ConsoleSettings::lastServer},
        {txtAccountIP, &console::ConsoleSettings::lastIp},
        {txtAccountName, &console::ConsoleSettings::lastAccount},
        {txtAccountPassword, &console::ConsoleSettings::lastPassword},
        {txtAccountPort, &console::ConsoleSettings::lastPort},
        {txtAccountClient, &console::ConsoleSettings::lastClient},
    };
    // The boxes are the current shard, which the settings keep as the last-used one.
    for (const auto& [edit, member] : bound) {
        connect(edit, &QLineEdit::textChanged, this, [this, member = member](const QString& text) {
            host_.settings().*member = toCp1252(text);
        });
    }
}

void LauncherPage::showSettings() {
    const auto& s = host_.settings();
    setFields({s.lastServer, s.lastIp, s.lastPort, s.lastAccount, s.lastPassword, s.lastClient});
    showNames();
    selectRow(-1);
}

void LauncherPage::showNames() {
    const QSignalBlocker blocker(ListShards);
    ListShards->clear();
    for (const auto& name : host_.settings().ListShards) {
        ListShards->addItem(fromCp1252(name));
    }
}

void LauncherPage::selectRow(int row) {
    const QSignalBlocker blocker(ListShards);
    ListShards->setCurrentRow(row);
}

std::array<QLineEdit*, kShardFields.size()> LauncherPage::recordBoxes() const {
    return {txtAccountServerName, txtAccountIP,       txtAccountPort,
            txtAccountName,       txtAccountPassword, txtAccountClient};
}

ShardFields LauncherPage::fields() const {
    ShardFields f;
    const auto boxes = recordBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        f.*kShardFields[i].value = toCp1252(boxes[i]->text());
    }
    return f;
}

void LauncherPage::setFields(const ShardFields& f) {
    // Copied first: each box writes itself into the settings as it changes.
    const ShardFields shown = f;
    const auto boxes = recordBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setText(fromCp1252(shown.*kShardFields[i].value));
    }
}

void LauncherPage::setBrowsing() {
    FrameShardButtons->setEnabled(true);
    FrameAccountInfo->setEnabled(false);
    ListShards->setEnabled(true);
}

void LauncherPage::setEntering() {
    FrameShardButtons->setEnabled(false);
    FrameAccountInfo->setEnabled(true);
    ListShards->setEnabled(false);
}

void LauncherPage::ListShards_Click() {
    const int row = ListShards->currentRow();
    const auto& records = host_.settings().ListServers;
    if (row < 0 || static_cast<std::size_t>(row) >= records.size()) {
        return;
    }
    const auto pieces = shardPieces(records[static_cast<std::size_t>(row)]);
    const auto boxes = recordBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (i >= pieces.size()) {
            host_.dialogs().message(kMalformedShard);
            return;
        }
        boxes[i]->setText(fromCp1252(pieces[i]));
    }
}

void LauncherPage::cmdEditShard_Click() {
    if (ListShards->currentRow() < 0) {
        host_.dialogs().message(kNothingToEdit);
        return;
    }
    setEntering();
    ListShards_Click();
    host_.EditShard() = true;
    txtAccountServerName->setFocus(Qt::OtherFocusReason);
}

void LauncherPage::cmdLauncherNew_Click() {
    setEntering();
    setFields({});
    txtAccountServerName->setFocus(Qt::OtherFocusReason);
}

void LauncherPage::cmdLauncherDone_Click() {
    const ShardFields shard = fields();
    if (const auto refusal = refusedShardField(shard)) {
        // The boxes stay as typed, to be corrected.
        host_.dialogs().message(*refusal);
        return;
    }
    auto& settings = host_.settings();
    if (!host_.EditShard()) {
        const auto index = addShard(settings, shard);
        showNames();
        selectRow(static_cast<int>(index));
    } else {
        const int row = ListShards->currentRow();
        if (row >= 0) {
            replaceShard(settings, static_cast<std::size_t>(row), shard);
            ListShards->item(row)->setText(fromCp1252(shard.name));
        }
        host_.EditShard() = false;
    }
    setBrowsing();
    ListShards_Click();
}

void LauncherPage::cmdLauncherCancel_Click() {
    setBrowsing();
    host_.EditShard() = false;
    ListShards_Click();
}

void LauncherPage::cmdLauncherDelete_Click() {
    const int row = ListShards->currentRow();
    if (row < 0) {
        host_.dialogs().message(kNothingToDelete);
        return;
    }
    const std::string name = toCp1252(ListShards->item(row)->text());
    if (!host_.dialogs().askYesNo("Are you sure you want to delete " + name + "?")) {
        return;
    }
    removeShard(host_.settings(), static_cast<std::size_t>(row));
    showNames();
    selectRow(-1);
    setFields({});
}

void LauncherPage::cmdLauncherBrowse_Click() {
    const auto chosen =
        host_.dialogs().chooseFile("Select client you wish to use...", "All Files|*.*",
                                   platform::toPathText(txtAccountClient->text()));
    if (chosen && !chosen->empty()) {
        txtAccountClient->setText(platform::fromPathText(*chosen));
    }
}

void LauncherPage::cmdLauncherLaunch_Click() {
    const auto outcome = launchClient(
        {host_.settings().uoPath, fields(), true, host_.programFolder()}, host_.shell());
    if (outcome.startedProcess) {
        host_.clientStarted(*outcome.startedProcess);
    }
    for (const auto& message : outcome.messages) {
        host_.dialogs().message(message);
    }
}

}  // namespace kaj::launcher
