#pragma once

#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ConsoleHost.h"
#include "ConsoleServices.h"
#include "ProgramState.h"
#include "Twips.h"

namespace kaj::travel {
class frmMap;
class frmAddLocation;
class TravelPage;
}  // namespace kaj::travel
namespace kaj::admin {
class frmEditAccounts;
class FrmPackageManager;
}  // namespace kaj::admin
namespace kaj::launcher {
class LauncherPage;
}
namespace kaj::about {
class frmAbout;
}
namespace kaj::catalogue {
class frmCreateItem;
class frmCreateNPC;
class frmEditItems;
class frmEditNPC;
}  // namespace kaj::catalogue

namespace kaj::common {
class frmProgresswindow;
class FrmMessage;
class SelectAllOnFocus;
}  // namespace kaj::common

namespace kaj::console {

class CommandButtons;
class CommandsPage;
class SetupPage;
class ClientChooser;

constexpr int kMainWindowWidthTwips = 9495;
constexpr int kMainWindowHeightTwips = 2340;
constexpr int kProgressTimerMs = 2500;
constexpr int kClientCheckMs = 2000;

enum MainTab {
    kTabServer = 0,
    kTabGM,
    kTabPlayer,
    kTabNpc,
    kTabItem,
    kTabTravel,
    kTabLauncher,
    kTabMisc,
    kTabSpawns,
    kTabCommands,
    kTabSetup,
};

// The main window: a strip of eleven tabs. It owns the console state the other
// windows share, the host through which they reach it, and the life of every
// other window.
class frmMenu : public QWidget {
    Q_OBJECT
  public:
    explicit frmMenu(ConsoleServices services, QWidget* parent = nullptr);
    ~frmMenu() override;

    void Form_Load();
    void LoadIni();
    void SaveIni();
    // Types a command into the client through the one command sender.
    void SendCommand(const std::string& command);
    std::filesystem::path iniPath() const;

    ProgramState& state() { return state_; }
    ConsoleHost& host() { return host_; }
    ConsoleServices& services() { return services_; }

    QTabWidget* SSTab1 = nullptr;
    QTimer* TimerEnterInfo = nullptr;

    // A full load of a catalogue from the source the settings name, shown in its window.
    void loadItemCatalogue();
    void loadNpcCatalogue();
    void cmdCreateItem_Click();
    void cmdCreateNPC_Click();
    void cmdEditItem_Click();
    void cmdEditNPC_Click();
    void cmdSetupMakeDataFiles_Click();
    void cmdEditAccounts_Click();
    void cmdEditPKG_Click();

    // The About box, modeless; its caption and version are set at every opening.
    void showAbout();

    CommandsPage* commandsPage() const { return commands_; }
    SetupPage* setupPage() const { return setup_; }
    ClientChooser* clientChooser() const { return chooser_; }
    // Shows the Client drop-down while more than one window counts as the client.
    void refreshClientChooser();
    travel::TravelPage* travelPage() const { return travel_; }
    launcher::LauncherPage* launcherPage() const { return launcher_; }
    travel::frmAddLocation* addLocationWindow() const { return addLocation_.get(); }
    common::frmProgresswindow* progressWindow() const { return progress_.get(); }
    about::frmAbout* aboutWindow() const { return about_.get(); }
    travel::frmMap* mapWindow() const { return map_.get(); }
    common::FrmMessage* messageWindow() const;
    catalogue::frmCreateItem* createItemWindow() const { return createItem_.get(); }
    catalogue::frmCreateNPC* createNpcWindow() const { return createNpc_.get(); }
    catalogue::frmEditItems* editItemsWindow() const;
    catalogue::frmEditNPC* editNpcWindow() const;
    admin::frmEditAccounts* accountsWindow() const { return accounts_.get(); }
    admin::FrmPackageManager* packagesWindow() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    QWidget* createNpcTab();
    QWidget* createItemTab();
    QWidget* createMiscTab();
    QWidget* createSpawnsTab();

    void Form_Unload();
    // The widgets of the main window from the settings, as at start-up.
    void showSettings();
    // The windows' places into the settings, before they are saved.
    void rememberPositions();
    void SSTab1_Click(int index);
    void TimerEnterInfo_Timer();
    void chkConfig5_Click();
    void chkConfig6_Click();
    void setStayOnTop(bool onTop);
    void processEvents();
    void showMessage(std::string_view text);
    void placeCatalogueWindows();
    // The server-file features need the server's folder; false, told, without one.
    bool serverFolderIsSet();

    ConsoleServices services_;
    ProgramState state_;
    ConsoleHost host_;
    std::unique_ptr<common::frmProgresswindow> progress_;
    std::unique_ptr<travel::frmMap> map_;
    std::unique_ptr<travel::frmAddLocation> addLocation_;
    std::unique_ptr<about::frmAbout> about_;
    std::unique_ptr<catalogue::frmCreateItem> createItem_;
    std::unique_ptr<catalogue::frmCreateNPC> createNpc_;
    QPointer<catalogue::frmEditItems> editItems_;
    QPointer<catalogue::frmEditNPC> editNpc_;
    std::unique_ptr<admin::frmEditAccounts> accounts_;
    QPointer<admin::FrmPackageManager> packages_;
    CommandButtons* commandButtons_ = nullptr;
    CommandsPage* commands_ = nullptr;
    SetupPage* setup_ = nullptr;
    travel::TravelPage* travel_ = nullptr;
    launcher::LauncherPage* launcher_ = nullptr;
    common::SelectAllOnFocus* selectAll_ = nullptr;
    ClientChooser* chooser_ = nullptr;
    QTimer* clientTimer_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace kaj::console
