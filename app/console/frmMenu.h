#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CatalogueLoads.h"
#include "CatalogueState.h"
#include "CommandSender.h"
#include "ConsoleServices.h"
#include "KajSettings.h"

namespace kaj::travel {
class frmMap;
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

namespace kaj::console {

class frmProgresswindow;
class FrmMessage;
class SelectAllOnFocus;
class CommandButtons;

// Twips per pixel: window positions are stored in twips.
constexpr int kTwipsPerPixel = 15;
constexpr int kMainWindowWidthTwips = 9495;
constexpr int kMainWindowHeightTwips = 2340;
constexpr int kProgressTimerMs = 2500;

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

// The main window: a strip of eleven tabs. It owns the settings, the shared lists
// and flags the other windows read and write, and the life of every other window.
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

    ConsoleSettings settingsFromControls() const;
    void applySettingsToControls(const ConsoleSettings& settings);
    std::filesystem::path iniPath() const;

    // Shared state.
    bool UserCommand = false;
    bool ProbablyFirstTime = false;
    bool Shutdown = false;
    bool UserAdd = false;
    bool UserChange = false;
    bool UserClear = false;
    std::int16_t UserCommandIndex = 0;
    std::int16_t MapLeft = 0, MapTop = 0, ItemLeft = 0, ItemTop = 0, NpcLeft = 0, NpcTop = 0;
    // The item and NPC records, their defaults and their trees.
    catalogue::CatalogueState catalogue;
    std::vector<std::string> ListUserCommands;
    std::vector<std::string> ListServers;
    std::vector<std::string> ListINIBuffer;
    std::vector<std::string> ListFullMap;
    std::vector<std::string> ListSpellNames;

    // Controls other windows and the tests reach by name.
    QTabWidget* SSTab1 = nullptr;
    QListWidget* ListShards = nullptr;
    QGroupBox* FrameShardButtons = nullptr;
    QGroupBox* FrameAccountInfo = nullptr;
    QLineEdit *txtAccountServerName = nullptr, *txtAccountIP = nullptr, *txtAccountPort = nullptr,
              *txtAccountName = nullptr, *txtAccountPassword = nullptr, *txtAccountClient = nullptr;
    QLineEdit* txtConfigUODir = nullptr;
    QLineEdit* txtConfigPOLDir = nullptr;
    QCheckBox *chkConfig2 = nullptr, *chkConfig3 = nullptr, *chkConfig4 = nullptr,
              *chkConfig5 = nullptr, *chkConfig6 = nullptr, *chkConfig7 = nullptr;
    std::array<QPushButton*, kUserCommandSlots> UserCMD{};
    QLineEdit* txtCommandsCaption = nullptr;
    QLineEdit* txtCommandsCommand = nullptr;
    QPushButton *cmdCommandsAdd = nullptr, *cmdCommandsChange = nullptr,
                *cmdCommandsRemove = nullptr, *cmdCommandsDone = nullptr;
    QTimer* TimerEnterInfo = nullptr;

    // A full load of a catalogue from the source the settings name, shown in its window.
    void loadItemCatalogue();
    void loadNpcCatalogue();
    catalogue::CatalogueSource catalogueSource() const;
    void cmdCreateItem_Click();
    void cmdCreateNPC_Click();
    void cmdEditItem_Click();
    void cmdEditNPC_Click();
    void cmdSetupMakeDataFiles_Click();

    // The About box, modeless; its caption and version are set at every opening.
    void showAbout();
    void selectAllOnFocus(QLineEdit* edit);

    frmProgresswindow* progressWindow() const { return progress_.get(); }
    about::frmAbout* aboutWindow() const { return about_.get(); }
    travel::frmMap* mapWindow() const { return map_.get(); }
    FrmMessage* messageWindow() const { return message_.get(); }
    catalogue::frmCreateItem* createItemWindow() const { return createItem_.get(); }
    catalogue::frmCreateNPC* createNpcWindow() const { return createNpc_.get(); }
    catalogue::frmEditItems* editItemsWindow() const;
    catalogue::frmEditNPC* editNpcWindow() const;
    ConsoleServices& services() { return services_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    QWidget* createServerTab();
    QWidget* createGMTab();
    QWidget* createPlayerTab();
    QWidget* createNpcTab();
    QWidget* createItemTab();
    QWidget* createTravelTab();
    QWidget* createLauncherTab();
    QWidget* createMiscTab();
    QWidget* createSpawnsTab();
    QWidget* createCommandsTab();
    QWidget* createSetupTab();
    QLineEdit* lineEdit(const char* name, QWidget* parent);

    void Form_Unload();
    void cmdCommandsAdd_Click();
    void cmdCommandsChange_Click();
    void cmdCommandsRemove_Click();
    void cmdCommandsDone_Click();
    void UserCMD_Click(int index);
    void showMessagePrompt(const char* prompt);
    void setUserCommand(int slot, const std::string& entry);
    void SSTab1_Click(int index);
    void TimerEnterInfo_Timer();
    void chkConfig5_Click();
    void chkConfig6_Click();
    void cmdConfigBrowse(QLineEdit* field, const char* title);
    void setStayOnTop(bool onTop);
    void processEvents();
    void showMessage(std::string_view text);
    void placeCatalogueWindows();

    ConsoleServices services_;
    CommandSender sender_;
    std::unique_ptr<frmProgresswindow> progress_;
    std::unique_ptr<travel::frmMap> map_;
    std::unique_ptr<FrmMessage> message_;
    std::unique_ptr<about::frmAbout> about_;
    std::unique_ptr<catalogue::frmCreateItem> createItem_;
    std::unique_ptr<catalogue::frmCreateNPC> createNpc_;
    QPointer<catalogue::frmEditItems> editItems_;
    QPointer<catalogue::frmEditNPC> editNpc_;
    CommandButtons* commandButtons_ = nullptr;
    SelectAllOnFocus* selectAll_ = nullptr;
    std::vector<QCheckBox*> optionBoxes_;
    bool unloaded_ = false;
};

}  // namespace kaj::console
