#include "CommandsPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "FrmMessage.h"
#include "LayoutHelpers.h"
#include "QtText.h"
#include "Twips.h"

namespace kaj::console {

using platform::fromCp1252;
using platform::toCp1252;

namespace {
constexpr int kMessageHeightTwips = 900;
}

CommandsPage::CommandsPage(ConsoleState& state, Sender sendCommand, QObject* selectAllOnFocus,
                           QWidget* parent)
    : QWidget(parent), state_(state), sendCommand_(std::move(sendCommand)) {
    auto* row = common::compact(new QHBoxLayout(this));
    auto* frame13 = common::namedFrame("Frame13", "Buttons", this);
    auto* fields = common::compact(new QGridLayout(frame13));
    txtCommandsCaption = common::namedBox("txtCommandsCaption", frame13, selectAllOnFocus);
    txtCommandsCommand = common::namedBox("txtCommandsCommand", frame13, selectAllOnFocus);
    fields->addWidget(common::fieldLabel("Caption", txtCommandsCaption), 0, 0);
    fields->addWidget(txtCommandsCaption, 0, 1, 1, 2);
    fields->addWidget(common::fieldLabel("Command", txtCommandsCommand), 1, 0);
    fields->addWidget(txtCommandsCommand, 1, 1, 1, 2);
    cmdCommandsAdd = common::namedButton("cmdCommandsAdd", "Add", frame13);
    cmdCommandsChange = common::namedButton("cmdCommandsChange", "Change", frame13);
    cmdCommandsRemove = common::namedButton("cmdCommandsRemove", "Clear", frame13);
    cmdCommandsDone = common::namedButton("cmdCommandsDone", "Done", frame13);
    fields->addWidget(cmdCommandsAdd, 2, 0);
    fields->addWidget(cmdCommandsDone, 2, 0);
    fields->addWidget(cmdCommandsChange, 2, 1);
    fields->addWidget(cmdCommandsRemove, 2, 2);
    cmdCommandsDone->hide();
    row->addWidget(frame13, 3);

    // Slot i stands in column i div 4, row i mod 4.
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int slot = 0; slot < kUserCommandSlots; ++slot) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString("UserCMD%1").arg(slot));
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
}

CommandsPage::~CommandsPage() = default;

void CommandsPage::createMessageWindow() {
    message_ = std::make_unique<common::FrmMessage>();
}

void CommandsPage::destroyMessageWindow() {
    message_.reset();
}

void CommandsPage::showEntries() {
    for (int slot = 0; slot < kUserCommandSlots; ++slot) {
        setButtonCaption(
            slot,
            userCommandCaption(state_.settings.ListUserCommands[static_cast<std::size_t>(slot)]));
    }
}

void CommandsPage::setButtonCaption(int slot, const std::string& caption) {
    UserCMD[static_cast<std::size_t>(slot)]->setText(fromCp1252(caption));
}

void CommandsPage::showMessagePrompt(const char* prompt) {
    if (!message_) {
        return;
    }
    message_->lblMessageLabel->setText(prompt);
    message_->resize(message_->width(), kMessageHeightTwips / common::kTwipsPerPixel);
    message_->show();
}

void CommandsPage::hideMessage() {
    if (message_) {
        message_->hide();
    }
}

void CommandsPage::setEditButtonsForChange(bool changing) {
    cmdCommandsChange->setVisible(!changing);
    cmdCommandsAdd->setVisible(!changing);
    cmdCommandsRemove->setVisible(!changing);
    cmdCommandsDone->setVisible(changing);
}

void CommandsPage::cmdCommandsAdd_Click() {
    showMessagePrompt(state_.userCommands.add());
}

void CommandsPage::cmdCommandsChange_Click() {
    showMessagePrompt(state_.userCommands.change());
    setEditButtonsForChange(true);
}

void CommandsPage::cmdCommandsRemove_Click() {
    showMessagePrompt(state_.userCommands.clear());
}

void CommandsPage::UserCMD_Click(int index) {
    const int slot = UserCMD[static_cast<std::size_t>(index)]->property("slot").toInt();
    const auto click = state_.userCommands.click(slot, state_.settings.ListUserCommands,
                                                 toCp1252(txtCommandsCaption->text()),
                                                 toCp1252(txtCommandsCommand->text()));
    switch (click.action) {
        case UserCommandClick::Action::Stored:
            setButtonCaption(slot, click.caption);
            hideMessage();
            txtCommandsCaption->clear();
            txtCommandsCommand->clear();
            break;
        case UserCommandClick::Action::Editing:
            txtCommandsCaption->setText(fromCp1252(click.caption));
            txtCommandsCommand->setText(fromCp1252(click.command));
            txtCommandsCaption->setFocus(Qt::OtherFocusReason);
            if (message_) {
                message_->lblMessageLabel->setText(kPromptDone);
            }
            break;
        case UserCommandClick::Action::Cleared:
            UserCMD[static_cast<std::size_t>(index)]->setText(QString());
            hideMessage();
            break;
        case UserCommandClick::Action::Send:
            state_.UserCommand = true;
            hideMessage();
            sendCommand_(click.command);
            break;
    }
}

void CommandsPage::cmdCommandsDone_Click() {
    const std::string caption = state_.userCommands.done(state_.settings.ListUserCommands,
                                                         toCp1252(txtCommandsCaption->text()),
                                                         toCp1252(txtCommandsCommand->text()));
    setButtonCaption(state_.userCommands.UserCommandIndex, caption);
    setEditButtonsForChange(false);
    hideMessage();
    txtCommandsCaption->clear();
    txtCommandsCommand->clear();
}

}  // namespace kaj::console
