#include "frmMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>

#include "CommandButtons.h"
#include "DropDownLists.h"
#include "FrmMessage.h"
#include "QtText.h"
#include "Version.h"
#include "frmAbout.h"
#include "frmCreateItem.h"
#include "frmCreateNPC.h"
#include "frmEditItems.h"
#include "frmEditNPC.h"
#include "frmMap.h"
#include "frmProgresswindow.h"

namespace kaj::console {
namespace {

using platform::fromCp1252;
using platform::toCp1252;

std::int16_t toTwips(int pixels) {
    const long twips = static_cast<long>(pixels) * kTwipsPerPixel;
    return static_cast<std::int16_t>(std::clamp<long>(twips, -32768, 32767));
}

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

frmMenu::frmMenu(ConsoleServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      sender_(services_.desktop, services_.dialogs, [this] { processEvents(); }) {
    setObjectName("frmMenu");
    setWindowTitle("Kajmar Console");
    createControls();
    commandButtons_ = new CommandButtons(*this);
    commandButtons_->build();
    for (const auto& spell : spells()) {
        ListSpellNames.emplace_back(spell.keyword);
    }
    ListUserCommands.assign(kUserCommandSlots, kEmptyUserCommand);
    applySettingsToControls(ConsoleSettings{});
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int index) { SSTab1_Click(index); });
    connect(TimerEnterInfo, &QTimer::timeout, this, [this] { TimerEnterInfo_Timer(); });
    const std::pair<const char*, void (frmMenu::*)()> catalogueButtons[] = {
        {"cmdCreateItem", &frmMenu::cmdCreateItem_Click},
        {"cmdCreateNPC", &frmMenu::cmdCreateNPC_Click},
        {"cmdEditItem", &frmMenu::cmdEditItem_Click},
        {"cmdEditNPC", &frmMenu::cmdEditNPC_Click},
        {"cmdSetupMakeDataFiles", &frmMenu::cmdSetupMakeDataFiles_Click}};
    for (const auto& [name, handler] : catalogueButtons) {
        if (auto* button = findChild<QPushButton*>(name)) {
            connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        }
    }
}

frmMenu::~frmMenu() = default;

std::filesystem::path frmMenu::iniPath() const {
    return services_.programFolder / "Kaj.ini";
}

void frmMenu::processEvents() {
    QCoreApplication::processEvents();
}

void frmMenu::Form_Load() {
    // 1. Flags and catalogue defaults.
    Shutdown = UserAdd = UserChange = UserClear = UserCommand = false;
    catalogue::resetItemDefaults(catalogue);
    catalogue::resetNpcDefaults(catalogue);

    // 2. The windows that live hidden beside the main window.
    map_ = std::make_unique<travel::frmMap>();
    message_ = std::make_unique<FrmMessage>();

    // 3.-4. Empty user-command slots, then the settings file.
    ListUserCommands.assign(kUserCommandSlots, kEmptyUserCommand);
    LoadIni();

    // 5. Saved positions (LoadIni has placed the main window).
    map_->move(MapLeft / kTwipsPerPixel, MapTop / kTwipsPerPixel);
    placeCatalogueWindows();

    // 6. The strip's own size.
    processEvents();
    setFixedSize(kMainWindowWidthTwips / kTwipsPerPixel, kMainWindowHeightTwips / kTwipsPerPixel);
    processEvents();

    // 7. Stay on top.
    setStayOnTop(chkConfig5->checkState() == Qt::Checked);

    // 8.-9. The progress window with the version and credits.
    processEvents();
    progress_ = std::make_unique<frmProgresswindow>();
    progress_->show();
    progress_->move(x() + 200 / kTwipsPerPixel, y() + 200 / kTwipsPerPixel);
    progress_->ListProgress->clear();
    progress_->appendLine(
        QString("Kajmar Console Version %1 Beta").arg(fromCp1252(versionNumber())));
    progress_->appendLine("Written for the staff of POL shards by the Kajmar Console team");
    progress_->appendLine(QString());
    progress_->appendLine("Thanks to the POL developers for a server worth serving");
    progress_->appendLine("Thanks to every game master who tried the buttons first");
    progress_->appendLine("Thanks to the shard communities for their file formats");
    progress_->appendLine(QString());
    progress_->appendLine("Loading Initialization File...");

    // 10.-11. The travel file and, when asked, the catalogues load here.
    processEvents();
    if (chkConfig2->checkState() == Qt::Checked) {
        progress_->appendLine("Loading Item Script...");
        processEvents();
        loadItemCatalogue();
        processEvents();
        progress_->appendLine("Loading Character Script...");
        processEvents();
        loadNpcCatalogue();
        processEvents();
        progress_->appendLine("Initialization complete...");
        processEvents();
    }

    // 12.-14. The timer, the first tab and the launcher's browsing state.
    TimerEnterInfo->start();
    if (ProbablyFirstTime) {
        SSTab1->setCurrentIndex(kTabSetup);
    } else if (chkConfig4->checkState() == Qt::Checked) {
        SSTab1->setCurrentIndex(kTabLauncher);
    }
    FrameShardButtons->setEnabled(true);
    FrameAccountInfo->setEnabled(false);
}

void frmMenu::LoadIni() {
    ConsoleSettings settings = settingsFromControls();
    settings.userCommands = {};
    for (int slot = 0; slot < kUserCommandSlots; ++slot) {
        settings.userCommands[static_cast<std::size_t>(slot)] =
            ListUserCommands[static_cast<std::size_t>(slot)];
    }
    const IniLoad result = loadIniFile(iniPath(), settings);
    if (result == IniLoad::Missing) {
        ProbablyFirstTime = true;
        services_.dialogs.message("Kaj.ini not found! Please Setup Preferences and Save.");
    } else if (result == IniLoad::Unreadable) {
        services_.dialogs.message("Kaj.ini could not be read: " + iniPath().string());
    }
    applySettingsToControls(settings);
    // Loaded states act as clicks would.
    chkConfig5_Click();
    chkConfig6_Click();
}

void frmMenu::SaveIni() {
    const auto result = saveIniFile(iniPath(), settingsFromControls());
    if (!result.ok) {
        services_.dialogs.message("Kaj.ini could not be saved to " + iniPath().string() + " (" +
                                  result.error + "). The previous settings file was kept.");
    }
}

ConsoleSettings frmMenu::settingsFromControls() const {
    ConsoleSettings s;
    s.polPath = toCp1252(txtConfigPOLDir->text());
    s.uoPath = toCp1252(txtConfigUODir->text());
    s.lastServer = toCp1252(txtAccountServerName->text());
    s.lastIp = toCp1252(txtAccountIP->text());
    s.lastAccount = toCp1252(txtAccountName->text());
    s.lastPassword = toCp1252(txtAccountPassword->text());
    s.lastPort = toCp1252(txtAccountPort->text());
    s.lastClient = toCp1252(txtAccountClient->text());
    for (int i = 0; i < kOptionCount; ++i) {
        s.optionStates[static_cast<std::size_t>(i)] =
            checkBoxState(optionBoxes_[static_cast<std::size_t>(i)]);
    }
    s.position(WindowPosition::WinLeft) = toTwips(x());
    s.position(WindowPosition::WinTop) = toTwips(y());
    s.position(WindowPosition::MapLeft) = map_ ? toTwips(map_->x()) : MapLeft;
    s.position(WindowPosition::MapTop) = map_ ? toTwips(map_->y()) : MapTop;
    s.position(WindowPosition::ItemLeft) = createItem_ ? toTwips(createItem_->x()) : ItemLeft;
    s.position(WindowPosition::ItemTop) = createItem_ ? toTwips(createItem_->y()) : ItemTop;
    s.position(WindowPosition::NpcLeft) = createNpc_ ? toTwips(createNpc_->x()) : NpcLeft;
    s.position(WindowPosition::NpcTop) = createNpc_ ? toTwips(createNpc_->y()) : NpcTop;
    s.servers = ListServers;
    for (int i = 0; i < ListShards->count(); ++i) {
        s.shards.push_back(toCp1252(ListShards->item(i)->text()));
    }
    for (int slot = 0; slot < kUserCommandSlots; ++slot) {
        s.userCommands[static_cast<std::size_t>(slot)] =
            ListUserCommands[static_cast<std::size_t>(slot)];
    }
    return s;
}

void frmMenu::applySettingsToControls(const ConsoleSettings& s) {
    txtConfigPOLDir->setText(fromCp1252(s.polPath));
    txtConfigUODir->setText(fromCp1252(s.uoPath));
    txtAccountServerName->setText(fromCp1252(s.lastServer));
    txtAccountIP->setText(fromCp1252(s.lastIp));
    txtAccountName->setText(fromCp1252(s.lastAccount));
    txtAccountPassword->setText(fromCp1252(s.lastPassword));
    txtAccountPort->setText(fromCp1252(s.lastPort));
    txtAccountClient->setText(fromCp1252(s.lastClient));
    for (int i = 0; i < kOptionCount; ++i) {
        setCheckBoxState(optionBoxes_[static_cast<std::size_t>(i)],
                         s.optionStates[static_cast<std::size_t>(i)]);
    }
    move(s.position(WindowPosition::WinLeft) / kTwipsPerPixel,
         s.position(WindowPosition::WinTop) / kTwipsPerPixel);
    MapLeft = s.position(WindowPosition::MapLeft);
    MapTop = s.position(WindowPosition::MapTop);
    ItemLeft = s.position(WindowPosition::ItemLeft);
    ItemTop = s.position(WindowPosition::ItemTop);
    NpcLeft = s.position(WindowPosition::NpcLeft);
    NpcTop = s.position(WindowPosition::NpcTop);
    ListServers = s.servers;
    ListShards->clear();
    for (const auto& shard : s.shards) {
        ListShards->addItem(fromCp1252(shard));
    }
    ListUserCommands.assign(s.userCommands.begin(), s.userCommands.end());
    for (int slot = 0; slot < kUserCommandSlots; ++slot) {
        UserCMD[static_cast<std::size_t>(slot)]->setText(
            fromCp1252(userCommandCaption(ListUserCommands[static_cast<std::size_t>(slot)])));
    }
}

void frmMenu::SendCommand(const std::string& command) {
    sender_.SendCommand(command, UserCommand, chkConfig3->checkState() == Qt::Checked);
}

void frmMenu::SSTab1_Click(int index) {
    if (!map_) {
        return;
    }
    if (index == kTabTravel) {
        map_->show();
        activateWindow();
        raise();
    } else {
        map_->hide();
    }
}

void frmMenu::TimerEnterInfo_Timer() {
    if (progress_) {
        progress_->hide();
    }
}

void frmMenu::chkConfig5_Click() {
    setStayOnTop(chkConfig5->checkState() == Qt::Checked);
}

void frmMenu::chkConfig6_Click() {
    if (map_) {
        map_->setDrawStatics(chkConfig6->checkState() == Qt::Checked);
    }
}

void frmMenu::setStayOnTop(bool onTop) {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) {
        return;
    }
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) {
        show();
    }
}

void frmMenu::cmdConfigBrowse(QLineEdit* field, const char* title) {
    field->clear();
    const auto folder = services_.dialogs.chooseFolder(title);
    if (!folder || folder->empty()) {
        return;
    }
    std::string path = *folder;
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (path.back() != separator) {
        path.push_back(separator);
    }
    field->setText(fromCp1252(path));
}

void frmMenu::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMenu::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    Shutdown = true;
    SaveIni();
    TimerEnterInfo->stop();
    progress_.reset();
    about_.reset();
    map_.reset();
    message_.reset();
    for (QWidget* editor :
         {static_cast<QWidget*>(editItems_.data()), static_cast<QWidget*>(editNpc_.data())}) {
        if (editor) {
            editor->close();
        }
    }
    if (createItem_) {
        createItem_->close();
        createItem_.reset();
    }
    if (createNpc_) {
        createNpc_->close();
        createNpc_.reset();
    }
}

void frmMenu::showAbout() {
    if (!about_) {
        about_ = std::make_unique<about::frmAbout>(services_);
    }
    about_->Form_Load();
    about_->show();
    about_->raise();
    about_->activateWindow();
}

}  // namespace kaj::console
