#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "AccountEditor.h"
#include "AdminHost.h"

namespace kaj::admin {

// The Account Manager: the accounts of the server's data/accounts.txt, listed,
// searched, edited, added and deleted, and saved with the backup accounts.old.
class frmEditAccounts : public QWidget {
    Q_OBJECT
  public:
    explicit frmEditAccounts(AdminHost& host, QWidget* parent = nullptr);

    void cmdLoadAccounts_Click();
    void listAccountNames_Click();
    void cmdEditAccount_Click();
    void cmdNewAccount_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdDeleteAccount_Click();
    void cmdSaveAccounts_Click();
    void cmdSearch_Click();
    void cmdSearchAgain_Click();

    QListWidget* listAccountNames;
    QPushButton *cmdEditAccount, *cmdDeleteAccount, *cmdNewAccount;
    QPushButton *cmdSaveAccounts, *cmdLoadAccounts;
    QLineEdit* TextSearch;
    QPushButton *cmdSearch, *cmdSearchAgain;
    QGroupBox* Frame1;
    QLineEdit* TextAccountName;
    QLineEdit* TextPassword;
    QRadioButton *OptionEnabledYes, *OptionEnabledNo, *OptionBannedYes, *OptionBannedNo;
    QComboBox* ComboCmdLevel;
    QListWidget* ListPrivs;
    QPlainTextEdit* TextCProps;
    QPlainTextEdit* TextMisc;
    QPushButton *cmdOk, *cmdCancel;

    const AccountEditor& editor() const { return editor_; }

  private:
    QWidget* createListSide();
    QGroupBox* createParameters();
    void showForm(const AccountForm& form);
    AccountForm form() const;
    void setEditing(bool editing);
    void showList();
    void select(int row);
    void fillLevels();

    AdminHost& host_;
    AccountEditor editor_;
    QButtonGroup* enabledGroup_;
    QButtonGroup* bannedGroup_;
};

}  // namespace kaj::admin
