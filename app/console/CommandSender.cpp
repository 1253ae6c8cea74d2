#include "CommandSender.h"

#include "KeyScript.h"
#include "Processes.h"

namespace kaj::console {
namespace {

class ClearOnExit {
  public:
    explicit ClearOnExit(bool& flag) : flag_(flag) {}
    ~ClearOnExit() { flag_ = false; }
    ClearOnExit(const ClearOnExit&) = delete;
    ClearOnExit& operator=(const ClearOnExit&) = delete;

  private:
    bool& flag_;
};

}  // namespace

std::string buildKeyScript(const std::string& command, bool userCommand, bool sendEnter) {
    std::string script = userCommand ? "{ENTER}" : "{ENTER}.";
    script += userCommand ? command : platform::escapeKeyScript(command);
    if (sendEnter) {
        script += "{ENTER}";
    }
    return script;
}

std::optional<std::vector<platform::ListedWindow>> clientWindows(platform::DesktopInput& desktop,
                                                                 const ClientRule& rule) {
    const auto windows = desktop.listWindows();
    if (!windows) {
        return std::nullopt;
    }
    return platform::fittingWindows(*windows, rule);
}

std::optional<platform::ListedWindow> targetWindow(
    const std::vector<platform::ListedWindow>& fitting, const ClientTarget& target) {
    std::function<bool(std::uint64_t)> started;
    if (target.launchedProcess) {
        started = [launched = *target.launchedProcess](std::uint64_t process) {
            return process == launched || platform::isSameOrDescendant(process, launched);
        };
    }
    return platform::chooseClientWindow(fitting, target.chosenWindow, started);
}

CommandSender::CommandSender(platform::DesktopInput& desktop, platform::Dialogs& dialogs,
                             std::function<void()> processEvents,
                             std::function<ClientTarget()> target)
    : desktop_(desktop),
      dialogs_(dialogs),
      processEvents_(std::move(processEvents)),
      target_(std::move(target)) {}

void CommandSender::SendCommand(const std::string& command, bool& userCommand, bool sendEnter) {
    ClearOnExit clear(userCommand);
    const bool asUserCommand = userCommand;
    // Parsed before the client is activated, so a malformed user command neither
    // raises the client nor types a part of itself.
    const auto parsed = platform::parseKeyScript(buildKeyScript(command, asUserCommand, sendEnter));
    if (!parsed.ok()) {
        const std::size_t lead = asUserCommand ? 7 : 8;  // "{ENTER}" or "{ENTER}."
        const std::size_t position =
            parsed.error->position > lead ? parsed.error->position - lead : parsed.error->position;
        const std::string& what = parsed.error->problem;
        dialogs_.message((asUserCommand ? "The user command cannot be typed: "
                                        : "The command cannot be typed: ") +
                         what + " at character " + std::to_string(position) + ".");
        return;
    }

    const ClientTarget target = target_ ? target_() : ClientTarget{};
    const auto fitting = clientWindows(desktop_, target.rule);
    if (!fitting) {
        dialogs_.message(desktop_.desktopProblem());
        return;
    }
    const auto window = targetWindow(*fitting, target);
    if (!window) {
        const std::string hint = desktop_.noClientHint();
        dialogs_.message(hint.empty() ? std::string(kClientNotRunning)
                                      : std::string(kClientNotRunning) + "\r\n\r\n" + hint);
        return;
    }
    switch (desktop_.activate(window->id)) {
        case platform::ActivationOutcome::NotFound:
            dialogs_.message(kClientNotRunning);
            return;
        case platform::ActivationOutcome::NoDesktop:
            dialogs_.message(desktop_.desktopProblem());
            return;
        case platform::ActivationOutcome::NotFocused:
            dialogs_.message(
                "The Ultima Online window did not take the keyboard focus, so nothing was typed.");
            return;
        case platform::ActivationOutcome::Activated:
            break;
    }
    if (processEvents_) {
        processEvents_();
    }
    const auto typed = desktop_.typeKeys(parsed.strokes);
    if (!typed.ok) {
        dialogs_.message(
            "The command could not be typed into the Ultima Online window: " + typed.error + ".");
    }
}

}  // namespace kaj::console
