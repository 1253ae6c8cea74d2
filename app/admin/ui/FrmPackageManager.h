#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "AdminHost.h"
#include "PackageManager.h"

namespace kaj::admin {

// The Package Manager: every package below the server folder, and one package's
// pkg.cfg shown, edited and saved with the backup pkg.old. Its state goes when it
// closes.
class FrmPackageManager : public QWidget {
    Q_OBJECT
  public:
    explicit FrmPackageManager(AdminHost& host, QWidget* parent = nullptr);

    void cmdLoadPackages_Click();
    void listPackageName_Click();
    void cmdEdit_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdSearch_Click();
    void cmdSearchAgain_Click();

    QListWidget* listPackageName;
    QPushButton *cmdEdit, *cmdLoadPackages, *cmdSearch, *cmdSearchAgain;
    QLineEdit* TextSearch;
    QGroupBox* Frame2;
    QLineEdit *TextName, *TextVersion, *TextMaintainer, *TextEmail, *TextRequires, *TextConflicts,
        *TextCoreRequired, *TextReplaces;
    QRadioButton *OptionEnabled, *OptionDisabled;
    QPushButton *cmdOk, *cmdCancel;

  private:
    QGroupBox* createInfo();
    void setEditing(bool editing);
    // LoadPkg: the package's values into the boxes; false when it cannot be read.
    bool LoadPkg(int index);
    void clearFields();
    PackageForm form() const;

    AdminHost& host_;
    PackageManager manager_;
    QGroupBox* listFrame_;
    QGroupBox* buttonFrame_;
    QButtonGroup* enabledGroup_;
    int current_ = -1;
};

}  // namespace kaj::admin
