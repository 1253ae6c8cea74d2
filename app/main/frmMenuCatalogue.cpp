// The main window's part in the item and NPC catalogues: loading them, the
// windows that show them, the editors and the builder of the script files.
#include <QApplication>

#include "CatalogueFileBuilder.h"
#include "frmCreateItem.h"
#include "frmCreateNPC.h"
#include "frmEditItems.h"
#include "frmEditNPC.h"
#include "frmMenu.h"

namespace kaj::console {

catalogue::frmEditItems* frmMenu::editItemsWindow() const {
    return editItems_.data();
}

catalogue::frmEditNPC* frmMenu::editNpcWindow() const {
    return editNpc_.data();
}

void frmMenu::showMessage(std::string_view text) {
    services_.dialogs.message(text);
}

void frmMenu::loadItemCatalogue() {
    host_.loadItems();
    if (createItem_) {
        createItem_->showTree();
    }
}

void frmMenu::loadNpcCatalogue() {
    host_.loadNpcs();
    if (createNpc_) {
        createNpc_->showTree();
    }
}

void frmMenu::placeCatalogueWindows() {
    const auto& s = state_.settings;
    createItem_ = std::make_unique<catalogue::frmCreateItem>(host_);
    createItem_->move(s.position(WindowPosition::ItemLeft) / common::kTwipsPerPixel,
                      s.position(WindowPosition::ItemTop) / common::kTwipsPerPixel);
    createNpc_ = std::make_unique<catalogue::frmCreateNPC>(host_);
    createNpc_->move(s.position(WindowPosition::NpcLeft) / common::kTwipsPerPixel,
                     s.position(WindowPosition::NpcTop) / common::kTwipsPerPixel);
}

void frmMenu::cmdCreateItem_Click() {
    if (createItem_) {
        createItem_->open();
    }
}

void frmMenu::cmdCreateNPC_Click() {
    if (createNpc_) {
        createNpc_->open();
    }
}

bool frmMenu::serverFolderIsSet() {
    if (!state_.settings.polPath.empty()) {
        return true;
    }
    showMessage(
        "This feature is currently only available if you are running\r\n"
        "Kaj locally to the server.  If you are running it locally then\r\n"
        "check to make sure you have set the pol directory in setup.");
    return false;
}

void frmMenu::cmdEditItem_Click() {
    if (!serverFolderIsSet()) {
        return;
    }
    if (!editItems_) {
        editItems_ = new catalogue::frmEditItems();
    }
    editItems_->show();
    editItems_->raise();
}

void frmMenu::cmdEditNPC_Click() {
    if (!editNpc_) {
        editNpc_ = new catalogue::frmEditNPC();
    }
    editNpc_->show();
    editNpc_->raise();
}

void frmMenu::cmdSetupMakeDataFiles_Click() {
    if (!services_.dialogs.askYesNo(catalogue::kMakeDataFilesQuestion)) {
        return;
    }
    catalogue::resetItemDefaults(state_.catalogue);
    catalogue::resetNpcDefaults(state_.catalogue);
    loadItemCatalogue();
    loadNpcCatalogue();
    const auto result = catalogue::writeCatalogueDataFiles(
        services_.programFolder, state_.catalogue.ListFullItem, state_.catalogue.ListFullChar);
    showMessage(catalogue::dataFilesMessage(result));
}

}  // namespace kaj::console
