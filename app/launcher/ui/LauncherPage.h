#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <array>

#include "LauncherHost.h"
#include "ShardRecords.h"

namespace kaj::launcher {

// The Launcher tab: the shard list, the six boxes of the current shard, and the
// buttons that keep the list and launch the client. Browsing, entering a new shard
// and editing one are its three states.
class LauncherPage : public QWidget {
    Q_OBJECT
  public:
    LauncherPage(LauncherHost& host, QObject* selectAllOnFocus, QWidget* parent = nullptr);

    // The list and the boxes from the settings, as at start-up.
    void showSettings();
    // Shard buttons and list on, account boxes off.
    void setBrowsing();

    void ListShards_Click();
    void cmdEditShard_Click();
    void cmdLauncherNew_Click();
    void cmdLauncherDone_Click();
    void cmdLauncherCancel_Click();
    void cmdLauncherDelete_Click();
    void cmdLauncherBrowse_Click();
    void cmdLauncherLaunch_Click();

    QListWidget* ListShards;
    QGroupBox* FrameShardButtons;
    QGroupBox* FrameAccountInfo;
    QLineEdit* txtAccountServerName;
    QLineEdit* txtAccountIP;
    QLineEdit* txtAccountPort;
    QLineEdit* txtAccountName;
    QLineEdit* txtAccountPassword;
    QLineEdit* txtAccountClient;
    QPushButton* cmdEditShard;
    QPushButton* cmdLauncherLaunch;
    QPushButton* cmdLauncherNew;
    QPushButton* cmdLauncherDelete;
    QPushButton* cmdLauncherDone;
    QPushButton* cmdLauncherCancel;
    QPushButton* cmdLauncherBrowse;

  private:
    void createAccountFrame(QObject* selectAllOnFocus);
    void setEntering();
    ShardFields fields() const;
    // The six boxes in the record's order.
    std::array<QLineEdit*, kShardFields.size()> recordBoxes() const;
    void setFields(const ShardFields& fields);
    void showNames();
    void selectRow(int row);

    LauncherHost& host_;
};

}  // namespace kaj::launcher
