// The main window's part in the item and NPC catalogues: loading them, the
// windows that show them, the editors and the builder of the script files.
#include <QApplication>

#include "CatalogueFileBuilder.h"
#include "QtText.h"
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

catalogue::CatalogueSource frmMenu::catalogueSource() const {
    catalogue::CatalogueSource source;
    source.useScriptFiles = chkConfig7->checkState() == Qt::Checked;
    source.programFolder = services_.programFolder;
    source.serverFolder =
        catalogue::serverFolderFromText(platform::toCp1252(txtConfigPOLDir->text()));
    return source;
}

void frmMenu::loadItemCatalogue() {
    catalogue::loadItemCatalogue(catalogue, catalogueSource(),
                                 [this](std::string_view text) { showMessage(text); });
    if (createItem_) {
        createItem_->showTree();
    }
}

void frmMenu::loadNpcCatalogue() {
    catalogue::loadNpcCatalogue(catalogue, catalogueSource(),
                                [this](std::string_view text) { showMessage(text); });
    if (createNpc_) {
        createNpc_->showTree();
    }
}

void frmMenu::placeCatalogueWindows() {
    createItem_ = std::make_unique<catalogue::frmCreateItem>(*this);
    createItem_->move(ItemLeft / kTwipsPerPixel, ItemTop / kTwipsPerPixel);
    createNpc_ = std::make_unique<catalogue::frmCreateNPC>(*this);
    createNpc_->move(NpcLeft / kTwipsPerPixel, NpcTop / kTwipsPerPixel);
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

void frmMenu::cmdEditItem_Click() {
    if (txtConfigPOLDir->text().isEmpty()) {
        showMessage(
            "This feature is currently only available if you are running\r\n"
            "Kaj locally to the server.  If you are running it locally then\r\n"
            "check to make sure you have set the pol directory in setup.");
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
    catalogue::resetItemDefaults(catalogue);
    catalogue::resetNpcDefaults(catalogue);
    loadItemCatalogue();
    loadNpcCatalogue();
    const auto result = catalogue::writeCatalogueDataFiles(
        services_.programFolder, catalogue.ListFullItem, catalogue.ListFullChar);
    showMessage(catalogue::dataFilesMessage(result));
}

}  // namespace kaj::console
