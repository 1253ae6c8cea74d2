#include "FrmPackageManager.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

#include "ChoicePair.h"
#include "EditorFeedback.h"
#include "LayoutHelpers.h"
#include "OkCancelRow.h"
#include "QtText.h"
#include "SearchControls.h"

namespace kaj::admin {
namespace {

using common::fieldLabel;
using common::namedBox;
using common::namedButton;
using common::namedFrame;
using platform::fromCp1252;
using platform::toCp1252;

// The boxes of the form's text fields, in their order.
struct TextBox {
    const char* name;
    QLineEdit* FrmPackageManager::*box;
};
constexpr std::array<TextBox, kPackageTextFields.size()> kTextBoxes = {{
    {"TextName", &FrmPackageManager::TextName},
    {"TextVersion", &FrmPackageManager::TextVersion},
    {"TextMaintainer", &FrmPackageManager::TextMaintainer},
    {"TextEmail", &FrmPackageManager::TextEmail},
    {"TextRequires", &FrmPackageManager::TextRequires},
    {"TextConflicts", &FrmPackageManager::TextConflicts},
    {"TextCoreRequired", &FrmPackageManager::TextCoreRequired},
    {"TextReplaces", &FrmPackageManager::TextReplaces},
}};

}  // namespace

FrmPackageManager::FrmPackageManager(AdminHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), manager_(host.serverFolder()) {
    setObjectName("FrmPackageManager");
    setWindowTitle("Package Manager");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;

    listFrame_ = namedFrame("FrameNames", "Name", this);
    auto* names = new QVBoxLayout(listFrame_);
    listPackageName = new QListWidget(listFrame_);
    listPackageName->setObjectName("listPackageName");
    listPackageName->setAccessibleName("Packages");
    names->addWidget(listPackageName);
    left->addWidget(listFrame_, 1);

    buttonFrame_ = namedFrame("FramePackageButtons", QString(), this);
    auto* grid = new QGridLayout(buttonFrame_);
    cmdEdit = namedButton("cmdEdit", "Edit", buttonFrame_);
    cmdLoadPackages = namedButton("cmdLoadPackages", "Load Packages", buttonFrame_);
    grid->addWidget(cmdEdit, 0, 0);
    grid->addWidget(cmdLoadPackages, 0, 1);
    const auto search = addSearchControls(grid, 1, buttonFrame_);
    TextSearch = search.text;
    cmdSearch = search.search;
    cmdSearchAgain = search.again;
    left->addWidget(buttonFrame_);
    layout->addLayout(left);
    layout->addWidget(createInfo(), 1);

    connect(listPackageName, &QListWidget::currentRowChanged, this,
            [this] { listPackageName_Click(); });
    common::connectClicks(this, {
                                    {cmdEdit, &FrmPackageManager::cmdEdit_Click},
                                    {cmdLoadPackages, &FrmPackageManager::cmdLoadPackages_Click},
                                    {cmdSearch, &FrmPackageManager::cmdSearch_Click},
                                    {cmdSearchAgain, &FrmPackageManager::cmdSearchAgain_Click},
                                    {cmdOk, &FrmPackageManager::cmdOk_Click},
                                    {cmdCancel, &FrmPackageManager::cmdCancel_Click},
                                });
    setEditing(false);
    resize(560, 380);
}

QGroupBox* FrmPackageManager::createInfo() {
    Frame2 = namedFrame("Frame2", "Package Info", this);
    auto* grid = new QGridLayout(Frame2);
    // The pair has no frame of its own here; a plain one carries the caption's name.
    auto* enabledPair = new QWidget(Frame2);
    enabledPair->setObjectName("FrameEnabled");
    enabledPair->setAccessibleName("Enabled");
    auto* enabledRow = new QHBoxLayout(enabledPair);
    enabledRow->setContentsMargins(0, 0, 0, 0);
    enabledGroup_ = addChoicePair(enabledRow, enabledPair, "OptionEnabled", OptionEnabled,
                                  "OptionDisabled", OptionDisabled);
    enabledRow->addStretch(1);
    grid->addWidget(new QLabel("Enabled", Frame2), 0, 0);
    grid->addWidget(enabledPair, 0, 1);
    int row = 1;
    for (std::size_t i = 0; i < kTextBoxes.size(); ++i) {
        QLineEdit* box = namedBox(kTextBoxes[i].name, Frame2);
        this->*kTextBoxes[i].box = box;
        grid->addWidget(fieldLabel(kPackageTextFields[i].caption, box), row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    const auto buttons = addOkCancelRow(Frame2);
    cmdOk = buttons.ok;
    cmdCancel = buttons.cancel;
    grid->addLayout(buttons.row, row, 0, 1, 2);
    grid->setRowStretch(row + 1, 1);
    return Frame2;
}

void FrmPackageManager::setEditing(bool editing) {
    Frame2->setEnabled(editing);
    listFrame_->setEnabled(!editing);
    buttonFrame_->setEnabled(!editing);
}

void FrmPackageManager::clearFields() {
    setChoice(enabledGroup_, OptionEnabled, OptionDisabled, "");
    for (const auto& text : kTextBoxes) {
        (this->*text.box)->clear();
    }
}

bool FrmPackageManager::LoadPkg(int index) {
    const auto shown = manager_.show(index);
    if (!shown) {
        return false;
    }
    setChoice(enabledGroup_, OptionEnabled, OptionDisabled,
              shown->enabled ? (*shown->enabled ? "1" : "0") : "");
    for (std::size_t i = 0; i < kTextBoxes.size(); ++i) {
        (this->*kTextBoxes[i].box)->setText(fromCp1252((*shown).*kPackageTextFields[i].value));
    }
    return true;
}

PackageForm FrmPackageManager::form() const {
    PackageForm f;
    const std::string enabled = choiceOf(OptionEnabled, OptionDisabled);
    if (!enabled.empty()) {
        f.enabled = enabled == "1";
    }
    for (std::size_t i = 0; i < kTextBoxes.size(); ++i) {
        f.*kPackageTextFields[i].value = toCp1252((this->*kTextBoxes[i].box)->text());
    }
    return f;
}

void FrmPackageManager::cmdLoadPackages_Click() {
    manager_.setServerFolder(host_.serverFolder());
    manager_.load();
    listPackageName->blockSignals(true);
    listPackageName->clear();
    for (const auto& name : manager_.names()) {
        listPackageName->addItem(fromCp1252(name));
    }
    listPackageName->setCurrentRow(-1);
    listPackageName->blockSignals(false);
    current_ = -1;
    clearFields();
}

void FrmPackageManager::listPackageName_Click() {
    clearFields();
    current_ = listPackageName->currentRow();
    if (current_ >= 0 && !LoadPkg(current_)) {
        host_.dialogs().message("Error");
    }
}

void FrmPackageManager::cmdEdit_Click() {
    if (told(host_.dialogs(), manager_.refuseEdit(listPackageName->currentRow()))) {
        return;
    }
    setEditing(true);
}

void FrmPackageManager::cmdOk_Click() {
    const PackageForm f = form();
    // What the server could not start with is said before the question.
    if (told(host_.dialogs(), packageRefusal(f))) {
        return;
    }
    if (host_.dialogs().askYesNo(kSavePackageQuestion)) {
        told(host_.dialogs(), manager_.save(current_, f));
    }
    setEditing(false);
}

void FrmPackageManager::cmdCancel_Click() {
    setEditing(false);
    clearFields();
    LoadPkg(current_);
}

void FrmPackageManager::cmdSearch_Click() {
    showSearchOutcome(manager_.search(toCp1252(TextSearch->text())), host_.dialogs(),
                      cmdSearchAgain, [this](int row) { listPackageName->setCurrentRow(row); });
}

void FrmPackageManager::cmdSearchAgain_Click() {
    showSearchOutcome(manager_.searchAgain(), host_.dialogs(), cmdSearchAgain,
                      [this](int row) { listPackageName->setCurrentRow(row); });
}

}  // namespace kaj::admin
