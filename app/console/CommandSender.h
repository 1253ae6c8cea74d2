#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "DesktopInput.h"
#include "Dialogs.h"

namespace kaj::console {

using platform::ClientRule;

constexpr const char* kClientWindowTitle = "Ultima Online";
constexpr const char* kClientNotRunning = "UO Client is not running!";

// The key script for one command: Enter, the dot unless it is a user command, the
// command, and a final Enter when asked. A catalogue command is typed literally
// (its notation characters escaped); a user command keeps the notation.
std::string buildKeyScript(const std::string& command, bool userCommand, bool sendEnter);

// Which window receives the commands: the windows that count as the client, the
// one the user chose among several, and the process the launcher started.
struct ClientTarget {
    platform::ClientRule rule;
    std::optional<std::uint64_t> chosenWindow;
    std::optional<std::uint64_t> launchedProcess;
};

// The windows that count as the client, the best first; nothing without a desktop.
std::optional<std::vector<platform::ListedWindow>> clientWindows(platform::DesktopInput& desktop,
                                                                 const ClientRule& rule);
// The window commands go to among those.
std::optional<platform::ListedWindow> targetWindow(
    const std::vector<platform::ListedWindow>& fitting, const ClientTarget& target);

// Types staff commands into the game client's window; the one way the console
// reaches the server.
class CommandSender {
  public:
    CommandSender(platform::DesktopInput& desktop, platform::Dialogs& dialogs,
                  std::function<void()> processEvents, std::function<ClientTarget()> target = {});

    // userCommand is the one-shot flag: read here and always cleared, also when
    // nothing could be sent. Failures are told to the user, never to the caller.
    void SendCommand(const std::string& command, bool& userCommand, bool sendEnter);

  private:
    platform::DesktopInput& desktop_;
    platform::Dialogs& dialogs_;
    std::function<void()> processEvents_;
    std::function<ClientTarget()> target_;
};

}  // namespace kaj::console
