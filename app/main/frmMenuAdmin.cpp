// The main window's part in the server files: the Account Manager, which keeps its
// accounts for the whole run, and the Package Manager, which starts anew each time.
#include "FrmPackageManager.h"
#include "frmEditAccounts.h"
#include "frmMenu.h"

namespace kaj::console {

admin::FrmPackageManager* frmMenu::packagesWindow() const {
    return packages_.data();
}

void frmMenu::cmdEditAccounts_Click() {
    if (!serverFolderIsSet()) {
        return;
    }
    if (!accounts_) {
        accounts_ = std::make_unique<admin::frmEditAccounts>(host_);
    }
    accounts_->show();
    accounts_->raise();
    accounts_->activateWindow();
}

void frmMenu::cmdEditPKG_Click() {
    if (!serverFolderIsSet()) {
        return;
    }
    if (!packages_) {
        packages_ = new admin::FrmPackageManager(host_);
    }
    packages_->show();
    packages_->raise();
    packages_->activateWindow();
}

}  // namespace kaj::console
