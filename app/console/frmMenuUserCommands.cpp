// The Commands tab: defining, changing, clearing and using the 24 user commands.
#include "FrmMessage.h"
#include "QtText.h"
#include "UserCommandEntry.h"
#include "frmMenu.h"

namespace kaj::console {

using platform::fromCp1252;
using platform::toCp1252;

namespace {
constexpr int kMessageHeightTwips = 900;
}

void frmMenu::showMessagePrompt(const char* prompt) {
    message_->lblMessageLabel->setText(prompt);
    message_->resize(message_->width(), kMessageHeightTwips / kTwipsPerPixel);
    message_->show();
}

void frmMenu::setUserCommand(int slot, const std::string& entry) {
    ListUserCommands[static_cast<std::size_t>(slot)] = entry;
    UserCMD[static_cast<std::size_t>(slot)]->setText(fromCp1252(userCommandCaption(entry)));
}

void frmMenu::cmdCommandsAdd_Click() {
    UserAdd = true;
    showMessagePrompt("Please Select a Location for this Command");
}

void frmMenu::cmdCommandsChange_Click() {
    UserChange = true;
    showMessagePrompt("Please Select a Command to Edit");
    cmdCommandsChange->hide();
    cmdCommandsAdd->hide();
    cmdCommandsRemove->hide();
    cmdCommandsDone->show();
}

void frmMenu::cmdCommandsRemove_Click() {
    UserClear = true;
    showMessagePrompt("Please Select a Command to Remove");
}

void frmMenu::UserCMD_Click(int index) {
    const int slot = UserCMD[static_cast<std::size_t>(index)]->property("slot").toInt();
    UserCommandIndex = static_cast<std::int16_t>(slot);
    const std::string& entry = ListUserCommands[static_cast<std::size_t>(slot)];
    if (UserAdd) {
        setUserCommand(slot, joinUserCommand(toCp1252(txtCommandsCaption->text()),
                                             toCp1252(txtCommandsCommand->text())));
        message_->hide();
        txtCommandsCaption->clear();
        txtCommandsCommand->clear();
    } else if (UserChange) {
        const auto parts = splitUserCommand(entry);
        txtCommandsCaption->setText(fromCp1252(parts.caption));
        txtCommandsCommand->setText(fromCp1252(parts.command));
        txtCommandsCaption->setFocus(Qt::OtherFocusReason);
        message_->lblMessageLabel->setText("Press done when finished editing command");
    } else if (UserClear) {
        setUserCommand(slot, kEmptyUserCommand);
        UserCMD[static_cast<std::size_t>(index)]->setText(QString());
        message_->hide();
    } else {
        UserCommand = true;
        const std::string command = splitUserCommand(entry).command;
        message_->hide();
        SendCommand(command);
    }
    UserAdd = UserChange = UserClear = false;
}

void frmMenu::cmdCommandsDone_Click() {
    setUserCommand(UserCommandIndex, joinUserCommand(toCp1252(txtCommandsCaption->text()),
                                                     toCp1252(txtCommandsCommand->text())));
    cmdCommandsChange->show();
    cmdCommandsAdd->show();
    cmdCommandsRemove->show();
    cmdCommandsDone->hide();
    message_->hide();
    txtCommandsCaption->clear();
    txtCommandsCommand->clear();
}

}  // namespace kaj::console
