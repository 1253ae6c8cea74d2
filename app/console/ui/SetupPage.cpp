#include "SetupPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

#include "LayoutHelpers.h"
#include "QtText.h"

namespace kaj::console {
namespace {

using platform::fromCp1252;
using platform::toCp1252;

int checkBoxState(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

void setCheckBoxState(QCheckBox* box, int state) {
    if (state == 2) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        return;
    }
    box->setTristate(false);
    box->setCheckState(state == 1 ? Qt::Checked : Qt::Unchecked);
}

}  // namespace

SetupPage::SetupPage(ConsoleSettings& settings, platform::Dialogs& dialogs,
                     QObject* selectAllOnFocus, QWidget* parent)
    : QWidget(parent), settings_(settings), dialogs_(dialogs) {
    auto* row = common::compact(new QHBoxLayout(this));

    auto* paths = common::namedFrame("Frame4", "Paths", this);
    auto* pathGrid = common::compact(new QGridLayout(paths));
    pathGrid->setVerticalSpacing(1);
    txtConfigUODir = common::namedBox("txtConfigUODir", paths);
    txtConfigPOLDir = common::namedBox("txtConfigPOLDir", paths);
    auto* browseUO = common::namedButton("cmdConfigBrowseUO", "Browse", paths);
    auto* browsePOL = common::namedButton("cmdConfigBrowsePOL", "Browse", paths);
    pathGrid->addWidget(common::fieldLabel("Ultima Directory", txtConfigUODir), 0, 0, 1, 2);
    pathGrid->addWidget(txtConfigUODir, 1, 0);
    pathGrid->addWidget(browseUO, 1, 1);
    pathGrid->addWidget(common::fieldLabel("POL Directory", txtConfigPOLDir), 2, 0, 1, 2);
    pathGrid->addWidget(txtConfigPOLDir, 3, 0);
    pathGrid->addWidget(browsePOL, 3, 1);
    row->addWidget(paths, 1);

    auto* right = common::compact(new QVBoxLayout);
    right->setContentsMargins(0, 0, 0, 0);
    auto* options = common::namedFrame("Frame5", "Options", this);
    auto* optionGrid = common::compact(new QGridLayout(options));
    optionGrid->setVerticalSpacing(0);
    auto check = [&](const char* name, const char* caption, int r, int c) {
        auto* box = new QCheckBox(caption, options);
        box->setObjectName(name);
        optionGrid->addWidget(box, r, c);
        return box;
    };
    chkConfig2 = check("chkConfig2", "Load Scripts on Startup", 0, 0);
    chkConfig3 = check("chkConfig3", "Send Enter after each Command", 1, 0);
    chkConfig4 = check("chkConfig4", "Startup with Launcher in Focus", 2, 0);
    chkConfig5 = check("chkConfig5", "Stay on Top", 0, 1);
    chkConfig6 = check("chkConfig6", "Show Statics in Travel Map", 1, 1);
    chkConfig7 = check("chkConfig7", "Use Kaj Data Files", 2, 1);
    optionBoxes_ = {chkConfig2, chkConfig3, chkConfig4, chkConfig5, chkConfig6, chkConfig7};
    // Which windows count as the game client.
    auto* clientRow = new QHBoxLayout;
    clientRow->setSpacing(common::kCompactSpacing);
    cboClientKind = new QComboBox(options);
    cboClientKind->setObjectName("cboClientKind");
    cboClientKind->addItems({"Classic client", "ClassicUO", "Custom title"});
    txtClientTitle = common::namedBox("txtClientTitle", options);
    txtClientTitle->setPlaceholderText("Window title");
    txtClientTitle->setAccessibleName("Client window title");
    clientRow->addWidget(common::fieldLabel("Client", cboClientKind));
    cboClientKind->setAccessibleName("Client kind");  // the Launcher tab has a "Client" too
    clientRow->addWidget(cboClientKind);
    clientRow->addWidget(txtClientTitle, 1);
    optionGrid->addLayout(clientRow, 3, 0, 1, 2);
    right->addWidget(options);

    auto* actions = common::compact(new QHBoxLayout);
    actions->setContentsMargins(0, 0, 0, 0);
    actions->addStretch(1);
    auto* save = common::namedButton("cmdSetupSaveConfig", "SaveConfig", this);
    auto* makeDataFiles = common::namedButton("cmdSetupMakeDataFiles", "Make Data Files", this);
    actions->addWidget(save);
    actions->addWidget(makeDataFiles);
    right->addLayout(actions);
    right->addStretch(1);
    row->addLayout(right);

    for (QLineEdit* edit : {txtConfigUODir, txtConfigPOLDir, txtClientTitle}) {
        edit->installEventFilter(selectAllOnFocus);
    }
    connect(txtConfigUODir, &QLineEdit::textChanged, this,
            [this](const QString& text) { settings_.uoPath = platform::toPathText(text); });
    connect(txtConfigPOLDir, &QLineEdit::textChanged, this,
            [this](const QString& text) { settings_.polPath = platform::toPathText(text); });
    for (int i = 0; i < kOptionCount; ++i) {
        QCheckBox* box = optionBoxes_[static_cast<std::size_t>(i)];
        connect(box, &QCheckBox::stateChanged, this, [this, i, box] {
            settings_.optionStates[static_cast<std::size_t>(i)] = checkBoxState(box);
        });
    }
    connect(cboClientKind, &QComboBox::currentIndexChanged, this, [this](int index) {
        settings_.clientKind = static_cast<platform::ClientKind>(std::max(index, 0));
        txtClientTitle->setEnabled(settings_.clientKind == platform::ClientKind::Custom);
    });
    connect(txtClientTitle, &QLineEdit::textChanged, this,
            [this](const QString& text) { settings_.clientTitle = toCp1252(text); });
    connect(browseUO, &QPushButton::clicked, this,
            [this] { cmdConfigBrowse(txtConfigUODir, "Select your Ultima Online directory"); });
    connect(browsePOL, &QPushButton::clicked, this,
            [this] { cmdConfigBrowse(txtConfigPOLDir, "Select your POL directory"); });
    connect(save, &QPushButton::clicked, this, &SetupPage::saveConfigClicked);
    connect(makeDataFiles, &QPushButton::clicked, this, &SetupPage::makeDataFilesClicked);
    connect(chkConfig5, &QCheckBox::clicked, this,
            [this] { emit stayOnTopClicked(settings_.isOn(Option::StayOnTop)); });
    connect(chkConfig6, &QCheckBox::clicked, this,
            [this] { emit drawStaticsClicked(settings_.isOn(Option::DrawStatics)); });
}

void SetupPage::showSettings() {
    // Copied first: each field's change writes its part back into the settings.
    const ConsoleSettings shown = settings_;
    txtConfigPOLDir->setText(platform::fromPathText(shown.polPath));
    txtConfigUODir->setText(platform::fromPathText(shown.uoPath));
    cboClientKind->setCurrentIndex(static_cast<int>(shown.clientKind));
    txtClientTitle->setText(fromCp1252(shown.clientTitle));
    txtClientTitle->setEnabled(shown.clientKind == platform::ClientKind::Custom);
    for (int i = 0; i < kOptionCount; ++i) {
        setCheckBoxState(optionBoxes_[static_cast<std::size_t>(i)],
                         shown.optionStates[static_cast<std::size_t>(i)]);
    }
}

void SetupPage::cmdConfigBrowse(QLineEdit* field, const char* title) {
    field->clear();
    const auto folder = dialogs_.chooseFolder(title);
    if (!folder || folder->empty()) {
        return;
    }
    std::string path = *folder;
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (path.back() != separator) {
        path.push_back(separator);
    }
    field->setText(platform::fromPathText(path));
}

}  // namespace kaj::console
