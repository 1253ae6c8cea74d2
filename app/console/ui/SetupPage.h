#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <array>

#include "ConsoleState.h"
#include "Dialogs.h"

namespace kaj::console {

// The Setup tab: the client and server folders, the six options, and the buttons
// that save the settings and build the catalogue script files. Its fields keep
// the settings of the console state current as the user edits them.
class SetupPage : public QWidget {
    Q_OBJECT
  public:
    SetupPage(ConsoleSettings& settings, platform::Dialogs& dialogs, QObject* selectAllOnFocus,
              QWidget* parent = nullptr);

    // The fields and boxes from the settings, as at start-up.
    void showSettings();

    QLineEdit* txtConfigUODir;
    QLineEdit* txtConfigPOLDir;
    QCheckBox* chkConfig2;     // Load Scripts on Startup
    QCheckBox* chkConfig3;     // Send Enter after each Command
    QCheckBox* chkConfig4;     // Startup with Launcher in Focus
    QCheckBox* chkConfig5;     // Stay on Top
    QCheckBox* chkConfig6;     // Show Statics in Travel Map
    QCheckBox* chkConfig7;     // Use Kaj Data Files
    QComboBox* cboClientKind;  // classic, ClassicUO or a custom title, in ClientKind's order
    QLineEdit* txtClientTitle;

  signals:
    void saveConfigClicked();
    void makeDataFilesClicked();
    // A click, not a change made by loading, is what the user does.
    void stayOnTopClicked(bool onTop);
    void drawStaticsClicked(bool draw);

  private:
    void cmdConfigBrowse(QLineEdit* field, const char* title);

    ConsoleSettings& settings_;
    platform::Dialogs& dialogs_;
    std::array<QCheckBox*, kOptionCount> optionBoxes_{};
};

}  // namespace kaj::console
