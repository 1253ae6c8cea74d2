#pragma once

#include <functional>
#include <string>

#include "DesktopInput.h"
#include "Dialogs.h"

namespace kaj::console {

constexpr const char* kClientWindowTitle = "Ultima Online";
constexpr const char* kClientNotRunning = "UO Client is not running!";

// The key script for one command: Enter, the dot unless it is a user command, the
// command, and a final Enter when asked. A catalogue command is typed literally
// (its notation characters escaped); a user command keeps the notation.
std::string buildKeyScript(const std::string& command, bool userCommand, bool sendEnter);

// Types staff commands into the game client's window; the one way the console
// reaches the server.
class CommandSender {
  public:
    CommandSender(platform::DesktopInput& desktop, platform::Dialogs& dialogs,
                  std::function<void()> processEvents);

    // userCommand is the one-shot flag: read here and always cleared, also when
    // nothing could be sent. Failures are told to the user, never to the caller.
    void SendCommand(const std::string& command, bool& userCommand, bool sendEnter);

  private:
    platform::DesktopInput& desktop_;
    platform::Dialogs& dialogs_;
    std::function<void()> processEvents_;
};

}  // namespace kaj::console
