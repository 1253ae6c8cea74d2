#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "ConsoleState.h"

namespace kaj::common {
class FrmMessage;
}

namespace kaj::console {

// The Commands tab: twenty-four buttons the staff member defines, and the fields
// and buttons that add, change and clear their definitions.
class CommandsPage : public QWidget {
    Q_OBJECT
  public:
    using Sender = std::function<void(const std::string&)>;
    CommandsPage(ConsoleState& state, Sender sendCommand, QObject* selectAllOnFocus,
                 QWidget* parent = nullptr);
    ~CommandsPage() override;

    // Every button's caption from its entry.
    void showEntries();
    // The prompt window lives hidden from the main window's loading to its closing.
    void createMessageWindow();
    void destroyMessageWindow();
    common::FrmMessage* messageWindow() const { return message_.get(); }

    void cmdCommandsAdd_Click();
    void cmdCommandsChange_Click();
    void cmdCommandsRemove_Click();
    void cmdCommandsDone_Click();
    void UserCMD_Click(int index);

    std::array<QPushButton*, kUserCommandSlots> UserCMD{};
    QLineEdit* txtCommandsCaption;
    QLineEdit* txtCommandsCommand;
    QPushButton* cmdCommandsAdd;
    QPushButton* cmdCommandsChange;
    QPushButton* cmdCommandsRemove;
    QPushButton* cmdCommandsDone;

  private:
    void showMessagePrompt(const char* prompt);
    void hideMessage();
    void setButtonCaption(int slot, const std::string& caption);
    void setEditButtonsForChange(bool changing);

    ConsoleState& state_;
    Sender sendCommand_;
    std::unique_ptr<common::FrmMessage> message_;
};

}  // namespace kaj::console
