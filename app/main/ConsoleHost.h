#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "AdminHost.h"
#include "CatalogueHost.h"
#include "CatalogueLoads.h"
#include "CommandHost.h"
#include "CommandSender.h"
#include "ConsoleServices.h"
#include "LauncherHost.h"
#include "ProgramState.h"
#include "TravelHost.h"

namespace kaj::console {

// What the main window offers the other windows: each sees it through the small
// interface of its subsystem. It sends commands through the one command sender and
// reads and writes the console state.
class ConsoleHost : public CommandHost,
                    public catalogue::CatalogueHost,
                    public travel::TravelHost,
                    public launcher::LauncherHost,
                    public admin::AdminHost {
  public:
    ConsoleHost(ProgramState& state, ConsoleServices& services,
                std::function<void()> processEvents);

    // Typed with the one-shot user-command flag and the "Send Enter" option.
    void SendCommand(const std::string& command) override;
    catalogue::CatalogueState& catalogue() override { return state_.catalogue; }
    void loadItems() override;
    void loadNpcs() override;
    bool Shutdown() const override { return state_.Shutdown; }
    platform::Dialogs& dialogs() override { return services_.dialogs; }
    std::filesystem::path controlFolder() const override { return services_.controlFolder; }
    travel::TravelState& travel() override { return state_.travel; }
    std::filesystem::path programFolder() const override { return services_.programFolder; }
    ConsoleSettings& settings() override { return state_.settings; }
    bool& EditShard() override { return state_.EditShard; }
    platform::Shell& shell() override { return services_.shell; }
    std::filesystem::path serverFolder() const override;
    void clientStarted(std::uint64_t process) override { state_.launchedClientProcess = process; }

    // Where the catalogues load from: the script files when "Use Kaj Data Files"
    // is ticked, else the server folder.
    catalogue::CatalogueSource catalogueSource() const;
    // Which windows count as the client and which of them gets the commands.
    ClientTarget clientTarget() const;
    // The windows that count as the client now, the best first.
    std::vector<platform::ListedWindow> clientWindows();
    ProgramState& state() override { return state_; }
    ConsoleServices& services() override { return services_; }

  private:
    ProgramState& state_;
    ConsoleServices& services_;
    CommandSender sender_;
};

}  // namespace kaj::console
