#include "frmMenu.h"

#include <QApplication>
#include <QCloseEvent>

#include <algorithm>

#include "ClientChooser.h"
#include "CommandButtons.h"
#include "CommandsPage.h"
#include "ControlRegistry.h"
#include "FrmMessage.h"
#include "FrmPackageManager.h"
#include "LauncherPage.h"
#include "PathText.h"
#include "QtText.h"
#include "SelectAllOnFocus.h"
#include "SetupPage.h"
#include "TravelPage.h"
#include "Version.h"
#include "frmAbout.h"
#include "frmAddLocation.h"
#include "frmCreateItem.h"
#include "frmCreateNPC.h"
#include "frmEditAccounts.h"
#include "frmEditItems.h"
#include "frmEditNPC.h"
#include "frmMap.h"
#include "frmProgresswindow.h"

namespace kaj::console {
namespace {

using platform::fromCp1252;

std::int16_t toTwips(int pixels) {
    const long twips = static_cast<long>(pixels) * common::kTwipsPerPixel;
    return static_cast<std::int16_t>(std::clamp<long>(twips, -32768, 32767));
}

}  // namespace

frmMenu::frmMenu(ConsoleServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      host_(state_, services_, [this] { processEvents(); }) {
    setObjectName("frmMenu");
    setWindowTitle("Kajmar Console");
    createControls();
    commandButtons_ = new CommandButtons(*SSTab1, host_, selectAll_, [this] { showAbout(); });
    commandButtons_->build();
    showSettings();
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int index) { SSTab1_Click(index); });
    connect(TimerEnterInfo, &QTimer::timeout, this, [this] { TimerEnterInfo_Timer(); });
    connect(clientTimer_, &QTimer::timeout, this, [this] { refreshClientChooser(); });
    connect(chooser_, &ClientChooser::windowChosen, this,
            [this](std::uint64_t window) { state_.chosenClientWindow = window; });
    connect(setup_, &SetupPage::saveConfigClicked, this, [this] { SaveIni(); });
    connect(setup_, &SetupPage::makeDataFilesClicked, this,
            [this] { cmdSetupMakeDataFiles_Click(); });
    connect(setup_, &SetupPage::stayOnTopClicked, this, [this] { chkConfig5_Click(); });
    connect(setup_, &SetupPage::drawStaticsClicked, this, [this] { chkConfig6_Click(); });
    const std::pair<const char*, void (frmMenu::*)()> catalogueButtons[] = {
        {"cmdCreateItem", &frmMenu::cmdCreateItem_Click},
        {"cmdCreateNPC", &frmMenu::cmdCreateNPC_Click},
        {"cmdEditItem", &frmMenu::cmdEditItem_Click},
        {"cmdEditNPC", &frmMenu::cmdEditNPC_Click},
        {"cmdEditAccounts", &frmMenu::cmdEditAccounts_Click},
        {"cmdEditPKG", &frmMenu::cmdEditPKG_Click}};
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

common::FrmMessage* frmMenu::messageWindow() const {
    return commands_->messageWindow();
}

void frmMenu::Form_Load() {
    // 1. Flags and catalogue defaults; 3. empty user-command slots.
    state_.resetForLoad();

    // 2. The windows that live hidden beside the main window; the map's once the
    // settings name the client's folder.
    addLocation_ = std::make_unique<travel::frmAddLocation>();
    commands_->createMessageWindow();

    // 4. The settings file.
    LoadIni();
    controls::ControlRegistry::instance().setClientFolder(
        platform::pathFromText(state_.settings.uoPath));
    map_ = std::make_unique<travel::frmMap>(services_.controlFolder);
    travel_->attachWindows(map_.get(), addLocation_.get());
    chkConfig6_Click();

    // 5. Saved positions (LoadIni has placed the main window).
    map_->move(state_.settings.position(WindowPosition::MapLeft) / common::kTwipsPerPixel,
               state_.settings.position(WindowPosition::MapTop) / common::kTwipsPerPixel);
    placeCatalogueWindows();

    // 6. The strip's own size.
    processEvents();
    setFixedSize(kMainWindowWidthTwips / common::kTwipsPerPixel,
                 kMainWindowHeightTwips / common::kTwipsPerPixel);
    processEvents();

    // 7. Stay on top.
    setStayOnTop(state_.settings.isOn(Option::StayOnTop));

    // 8.-9. The progress window with the version and credits.
    processEvents();
    progress_ = std::make_unique<common::frmProgresswindow>();
    progress_->show();
    progress_->move(x() + 200 / common::kTwipsPerPixel, y() + 200 / common::kTwipsPerPixel);
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

    // 10. The travel file.
    travel_->LoadMapScript();
    processEvents();

    // 11. The catalogues, when asked.
    if (state_.settings.isOn(Option::LoadScripts)) {
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
    clientTimer_->start();
    refreshClientChooser();
    if (state_.ProbablyFirstTime) {
        SSTab1->setCurrentIndex(kTabSetup);
    } else if (state_.settings.isOn(Option::AutoShowLauncher)) {
        SSTab1->setCurrentIndex(kTabLauncher);
    }
    launcher_->setBrowsing();
}

void frmMenu::LoadIni() {
    const IniLoad result = loadIniFile(iniPath(), state_.settings);
    if (result == IniLoad::Missing) {
        state_.ProbablyFirstTime = true;
        // A folder of the user's own, made at this start, is named.
        services_.dialogs.message(
            "Kaj.ini not found! Please Setup Preferences and Save." +
            (services_.folderNote.empty() ? std::string() : "\r\n\r\n" + services_.folderNote));
    } else if (result == IniLoad::Unreadable) {
        services_.dialogs.message("Kaj.ini could not be read: " +
                                  platform::pathInMessage(iniPath()));
    }
    showSettings();
    // Loaded states act as clicks would.
    chkConfig5_Click();
    chkConfig6_Click();
}

void frmMenu::SaveIni() {
    rememberPositions();
    const auto result = saveIniFile(iniPath(), state_.settings);
    if (!result.ok) {
        services_.dialogs.message("Kaj.ini could not be saved to " +
                                  platform::pathInMessage(iniPath()) + " (" + result.error +
                                  "). The previous settings file was kept.");
    }
}

void frmMenu::rememberPositions() {
    auto& s = state_.settings;
    s.position(WindowPosition::WinLeft) = toTwips(x());
    s.position(WindowPosition::WinTop) = toTwips(y());
    const std::tuple<QWidget*, WindowPosition, WindowPosition> windows[] = {
        {map_.get(), WindowPosition::MapLeft, WindowPosition::MapTop},
        {createItem_.get(), WindowPosition::ItemLeft, WindowPosition::ItemTop},
        {createNpc_.get(), WindowPosition::NpcLeft, WindowPosition::NpcTop},
    };
    for (const auto& [window, left, top] : windows) {
        if (window != nullptr) {
            s.position(left) = toTwips(window->x());
            s.position(top) = toTwips(window->y());
        }
    }
}

void frmMenu::showSettings() {
    const ConsoleSettings& s = state_.settings;
    setup_->showSettings();
    launcher_->showSettings();
    move(s.position(WindowPosition::WinLeft) / common::kTwipsPerPixel,
         s.position(WindowPosition::WinTop) / common::kTwipsPerPixel);
    commands_->showEntries();
}

void frmMenu::refreshClientChooser() {
    const auto target = targetWindow(host_.clientWindows(), host_.clientTarget());
    const bool wasShown = chooser_->isVisibleTo(this);
    chooser_->refresh(target ? std::optional<std::uint64_t>(target->id) : std::nullopt);
    const bool shown = chooser_->isVisibleTo(this);
    if (shown != wasShown && unloaded_ == false && minimumHeight() == maximumHeight()) {
        // The strip grows by the drop-down's row while it shows.
        const int extra = chooser_->sizeHint().height() + 2;
        setFixedSize(width(), height() + (shown ? extra : -extra));
    }
}

void frmMenu::SendCommand(const std::string& command) {
    host_.SendCommand(command);
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
    setStayOnTop(state_.settings.isOn(Option::StayOnTop));
}

void frmMenu::chkConfig6_Click() {
    if (map_) {
        map_->setDrawStatics(state_.settings.isOn(Option::DrawStatics));
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

void frmMenu::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMenu::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    state_.Shutdown = true;
    SaveIni();
    TimerEnterInfo->stop();
    clientTimer_->stop();
    progress_.reset();
    addLocation_.reset();
    about_.reset();
    map_.reset();
    commands_->destroyMessageWindow();
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
    accounts_.reset();
    if (packages_) {
        packages_->close();
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
