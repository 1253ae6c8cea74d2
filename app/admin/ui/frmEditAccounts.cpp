#include "frmEditAccounts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ChoicePair.h"
#include "EditorFeedback.h"
#include "LayoutHelpers.h"
#include "OkCancelRow.h"
#include "QtText.h"
#include "SearchControls.h"
#include "TextRoutines.h"

namespace kaj::admin {
namespace {

using common::fieldLabel;
using common::namedBox;
using common::namedButton;
using common::namedFrame;
using platform::fromCp1252;
using platform::toCp1252;

QString multiLine(const std::string& text) {
    // The editor shows lines apart by LF; the form keeps CR LF.
    QString shown = fromCp1252(text);
    shown.replace("\r\n", "\n");
    return shown;
}

std::string fromMultiLine(const QPlainTextEdit* edit) {
    QString text = edit->toPlainText();
    text.replace("\n", "\r\n");
    return toCp1252(text);
}

}  // namespace

frmEditAccounts::frmEditAccounts(AdminHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), editor_(host.serverFolder()) {
    setObjectName("frmEditAccounts");
    setWindowTitle("Account Manager");
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(createListSide());
    layout->addWidget(createParameters(), 1);
    setEditing(false);
    resize(780, 470);
}

QWidget* frmEditAccounts::createListSide() {
    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);

    auto* actions = namedFrame("FrameAccountActions", QString(), side);
    auto* actionRow = new QHBoxLayout(actions);
    cmdEditAccount = namedButton("cmdEditAccount", "Edit Account", actions);
    cmdDeleteAccount = namedButton("cmdDeleteAccount", "Delete Acct", actions);
    cmdNewAccount = namedButton("cmdNewAccount", "New Acct", actions);
    for (QPushButton* b : {cmdEditAccount, cmdDeleteAccount, cmdNewAccount}) {
        actionRow->addWidget(b);
    }
    column->addWidget(actions);

    auto* names = namedFrame("FrameNames", "Name", side);
    auto* namesLayout = new QVBoxLayout(names);
    listAccountNames = new QListWidget(names);
    listAccountNames->setObjectName("listAccountNames");
    listAccountNames->setAccessibleName("Accounts");
    namesLayout->addWidget(listAccountNames);
    column->addWidget(names, 1);

    auto* files = namedFrame("FrameAccountFile", QString(), side);
    auto* fileRow = new QHBoxLayout(files);
    cmdSaveAccounts = namedButton("cmdSaveAccounts", "Save Accounts", files);
    cmdLoadAccounts = namedButton("cmdLoadAccounts", "Load Accounts", files);
    fileRow->addWidget(cmdSaveAccounts);
    fileRow->addWidget(cmdLoadAccounts);
    column->addWidget(files);

    auto* search = namedFrame("FrameAccountSearch", QString(), side);
    auto* searchGrid = new QGridLayout(search);
    const auto searchControls = addSearchControls(searchGrid, 0, search);
    TextSearch = searchControls.text;
    cmdSearch = searchControls.search;
    cmdSearchAgain = searchControls.again;
    column->addWidget(search);

    connect(listAccountNames, &QListWidget::currentRowChanged, this,
            [this] { listAccountNames_Click(); });
    common::connectClicks(this, {
                                    {cmdEditAccount, &frmEditAccounts::cmdEditAccount_Click},
                                    {cmdDeleteAccount, &frmEditAccounts::cmdDeleteAccount_Click},
                                    {cmdNewAccount, &frmEditAccounts::cmdNewAccount_Click},
                                    {cmdSaveAccounts, &frmEditAccounts::cmdSaveAccounts_Click},
                                    {cmdLoadAccounts, &frmEditAccounts::cmdLoadAccounts_Click},
                                    {cmdSearch, &frmEditAccounts::cmdSearch_Click},
                                    {cmdSearchAgain, &frmEditAccounts::cmdSearchAgain_Click},
                                });
    return side;
}

QGroupBox* frmEditAccounts::createParameters() {
    Frame1 = namedFrame("Frame1", "Account Parameters", this);
    auto* grid = new QGridLayout(Frame1);
    TextAccountName = namedBox("TextAccountName", Frame1);
    TextPassword = namedBox("TextPassword", Frame1);
    grid->addWidget(fieldLabel("Account Name", TextAccountName), 0, 0);
    grid->addWidget(TextAccountName, 0, 1, 1, 3);
    grid->addWidget(fieldLabel("Password", TextPassword), 1, 0);
    grid->addWidget(TextPassword, 1, 1, 1, 3);

    auto pair = [this](const char* frameName, const char* title, const char* yesName,
                       const char* noName, QRadioButton*& yes, QRadioButton*& no) {
        auto* box = namedFrame(frameName, title, Frame1);
        auto* group = addChoicePair(new QHBoxLayout(box), box, yesName, yes, noName, no);
        return std::make_pair(box, group);
    };
    auto [enabledBox, enabledGroup] = pair("FrameEnabled", "Enabled", "OptionEnabledYes",
                                           "OptionEnabledNo", OptionEnabledYes, OptionEnabledNo);
    auto [bannedBox, bannedGroup] = pair("FrameBanned", "Banned", "OptionBannedYes",
                                         "OptionBannedNo", OptionBannedYes, OptionBannedNo);
    enabledGroup_ = enabledGroup;
    bannedGroup_ = bannedGroup;
    grid->addWidget(enabledBox, 2, 0, 1, 2);
    grid->addWidget(bannedBox, 2, 2, 1, 2);

    ComboCmdLevel = new QComboBox(Frame1);
    ComboCmdLevel->setObjectName("ComboCmdLevel");
    ComboCmdLevel->setEditable(true);
    ComboCmdLevel->setInsertPolicy(QComboBox::NoInsert);
    grid->addWidget(fieldLabel("DefaultCMDLevel", ComboCmdLevel), 3, 0);
    grid->addWidget(ComboCmdLevel, 3, 1, 1, 3);

    ListPrivs = new QListWidget(Frame1);
    ListPrivs->setObjectName("ListPrivs");
    for (const char* privilege : kPrivileges) {
        auto* item = new QListWidgetItem(privilege, ListPrivs);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    // Every privilege shows at once, whole.
    ListPrivs->setMinimumWidth(ListPrivs->fontMetrics().horizontalAdvance("seeinvisitems") + 48);
    ListPrivs->setMinimumHeight(ListPrivs->sizeHintForRow(0) * ListPrivs->count() + 6);
    ListPrivs->setMaximumWidth(ListPrivs->minimumWidth());
    ListPrivs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->addWidget(fieldLabel("Default Privs", ListPrivs), 4, 0, Qt::AlignTop);
    grid->addWidget(ListPrivs, 4, 1, 2, 1);

    TextCProps = new QPlainTextEdit(Frame1);
    TextCProps->setObjectName("TextCProps");
    TextCProps->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid->addWidget(fieldLabel("CProps", TextCProps), 4, 2, Qt::AlignTop);
    grid->addWidget(TextCProps, 4, 3);
    TextMisc = new QPlainTextEdit(Frame1);
    TextMisc->setObjectName("TextMisc");
    TextMisc->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid->addWidget(fieldLabel("Miscellaneous", TextMisc), 6, 0, Qt::AlignTop);
    grid->addWidget(TextMisc, 6, 1, 1, 3);
    for (QPlainTextEdit* edit : {TextCProps, TextMisc}) {
        // Tabs keep their place in the lines, at a width that leaves room for them.
        edit->setTabStopDistance(edit->fontMetrics().horizontalAdvance(' ') * 4);
    }
    grid->setRowStretch(4, 1);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(3, 1);

    const auto buttons = addOkCancelRow(Frame1);
    cmdOk = buttons.ok;
    cmdCancel = buttons.cancel;
    grid->addLayout(buttons.row, 7, 0, 1, 4);
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    return Frame1;
}

void frmEditAccounts::setEditing(bool editing) {
    Frame1->setEnabled(editing);
    for (QPushButton* b : {cmdNewAccount, cmdDeleteAccount, cmdEditAccount, cmdLoadAccounts}) {
        b->setEnabled(!editing);
    }
    cmdSaveAccounts->setEnabled(true);
}

void frmEditAccounts::showForm(const AccountForm& f) {
    TextAccountName->setText(fromCp1252(f.name));
    TextPassword->setText(fromCp1252(f.password));
    setChoice(enabledGroup_, OptionEnabledYes, OptionEnabledNo, f.enabled);
    setChoice(bannedGroup_, OptionBannedYes, OptionBannedNo, f.banned);
    ComboCmdLevel->setCurrentText(fromCp1252(f.cmdLevel));
    for (int i = 0; i < ListPrivs->count(); ++i) {
        ListPrivs->item(i)->setCheckState(
            f.privileges[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
    }
    TextCProps->setPlainText(multiLine(f.cprops));
    TextMisc->setPlainText(multiLine(f.misc));
}

AccountForm frmEditAccounts::form() const {
    AccountForm f;
    f.name = toCp1252(TextAccountName->text());
    f.password = toCp1252(TextPassword->text());
    f.enabled = choiceOf(OptionEnabledYes, OptionEnabledNo);
    f.banned = choiceOf(OptionBannedYes, OptionBannedNo);
    f.cmdLevel = toCp1252(ComboCmdLevel->currentText());
    for (int i = 0; i < ListPrivs->count(); ++i) {
        f.privileges[static_cast<std::size_t>(i)] = ListPrivs->item(i)->checkState() == Qt::Checked;
    }
    f.cprops = fromMultiLine(TextCProps);
    f.misc = fromMultiLine(TextMisc);
    return f;
}

void frmEditAccounts::showList() {
    const QSignalBlocker blocker(listAccountNames);
    listAccountNames->clear();
    for (const auto& text : editor_.entryTexts()) {
        listAccountNames->addItem(fromCp1252(text));
    }
    listAccountNames->setCurrentRow(-1);
}

void frmEditAccounts::select(int row) {
    listAccountNames->setCurrentRow(row);
    listAccountNames_Click();
}

void frmEditAccounts::fillLevels() {
    const QString text = ComboCmdLevel->currentText();
    ComboCmdLevel->clear();
    for (const auto& level : editor_.commandLevels()) {
        ComboCmdLevel->addItem(fromCp1252(level));
    }
    ComboCmdLevel->setCurrentText(text);
}

void frmEditAccounts::cmdLoadAccounts_Click() {
    editor_.setServerFolder(host_.serverFolder());
    const auto missing = editor_.load();
    fillLevels();
    showList();
    showForm({});
    told(host_.dialogs(), missing);
}

void frmEditAccounts::listAccountNames_Click() {
    const int row = listAccountNames->currentRow();
    AccountForm shown = editor_.show(row);
    if (row < 0) {
        // Nothing selected: empty boxes, neither choice.
        shown = {};
    }
    showForm(shown);
}

void frmEditAccounts::cmdEditAccount_Click() {
    if (told(host_.dialogs(), editor_.refuseEdit(listAccountNames->currentRow()))) {
        return;
    }
    setEditing(true);
}

void frmEditAccounts::cmdNewAccount_Click() {
    if (told(host_.dialogs(), editor_.refuseNew())) {
        return;
    }
    cmdCancel_Click();
    const auto answer = host_.dialogs().input("Enter Account Name to add to the list", "");
    if (!answer || common::trimBlanks(*answer).empty()) {
        return;
    }
    const auto added = editor_.addPending(*answer);
    if (!added.entry) {
        host_.dialogs().message(added.refusal);
        return;
    }
    showList();
    select(*added.entry);
    setEditing(true);
}

void frmEditAccounts::cmdOk_Click() {
    if (told(host_.dialogs(), editor_.apply(listAccountNames->currentRow(), form()))) {
        return;
    }
    setEditing(false);
    listAccountNames_Click();
}

void frmEditAccounts::cmdCancel_Click() {
    const bool hadPending = editor_.hasPending();
    const int row = listAccountNames->currentRow();
    editor_.cancel();
    if (hadPending) {
        showList();
        if (row >= 0 && row < listAccountNames->count()) {
            const QSignalBlocker blocker(listAccountNames);
            listAccountNames->setCurrentRow(row);
        }
    }
    setEditing(false);
    listAccountNames_Click();
}

void frmEditAccounts::cmdDeleteAccount_Click() {
    const int row = listAccountNames->currentRow();
    if (told(host_.dialogs(), editor_.refuseDelete(row))) {
        return;
    }
    const std::string name = toCp1252(listAccountNames->item(row)->text());
    if (!host_.dialogs().askYesNo("Are you sure you want to delete\r\nthe account named " + name)) {
        return;
    }
    editor_.remove(row);
    showList();
    cmdCancel_Click();
}

void frmEditAccounts::cmdSaveAccounts_Click() {
    if (!host_.dialogs().askYesNo(kSaveAccountsQuestion)) {
        return;
    }
    told(host_.dialogs(), editor_.save());
}

void frmEditAccounts::cmdSearch_Click() {
    showSearchOutcome(editor_.search(toCp1252(TextSearch->text())), host_.dialogs(), cmdSearchAgain,
                      [this](int row) { select(row); });
}

void frmEditAccounts::cmdSearchAgain_Click() {
    showSearchOutcome(editor_.searchAgain(), host_.dialogs(), cmdSearchAgain,
                      [this](int row) { select(row); });
}

}  // namespace kaj::admin
