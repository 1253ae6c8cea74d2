#include "SendCommandCli.h"

#include <cstdio>
#include <string>

#include "CliArguments.h"
#include "CommandSender.h"
#include "Cp1252.h"
#include "StderrDialogs.h"
#include "SystemDesktopInput.h"

namespace kaj::cli {
namespace {

// "classic", "classicuo" or a title of the user's own.
platform::ClientRule clientRule(const std::string& text) {
    if (text == "classic") {
        return {platform::ClientKind::Classic, {}};
    }
    if (text == "classicuo") {
        return {platform::ClientKind::ClassicUO, {}};
    }
    return {platform::ClientKind::Custom, platform::utf8ToCp1252(text)};
}

platform::ClientRule ruleGiven(const GivenWords& given) {
    return given.has("--client") ? clientRule(given.wordOf("--client")) : platform::ClientRule{};
}

}  // namespace

int runSend(int argc, char** argv) {
    static constexpr OptionRule kRules[] = {
        {"--user", 0, true}, {"--enter", 0, true}, {"--client", 1, true}};
    const auto given = parseOptions(argc, argv, kRules, OtherWords::EndOptions);
    if (given->others.size() > 1) {
        std::fprintf(stderr, "kajcli send: only one TEXT is taken\n");
        return 2;
    }
    if (given->others.empty()) {
        std::fprintf(stderr,
                     "usage: kajcli send [--user] [--enter] [--client classic|classicuo|TITLE] "
                     "TEXT\n");
        return 2;
    }
    bool userCommand = given->has("--user");  // the sender clears it once used
    const bool sendEnter = given->has("--enter");
    const platform::ClientRule rule = ruleGiven(*given);
    const std::string& text = given->others.front();
    auto desktop = platform::makeSystemDesktopInput();
    StderrDialogs dialogs;
    console::CommandSender sender(*desktop, dialogs, {}, [rule] {
        return console::ClientTarget{rule, {}, {}};
    });
    sender.SendCommand(platform::utf8ToCp1252(text), userCommand, sendEnter);
    return dialogs.messageCount == 0 ? 0 : 1;
}

int runClients(int argc, char** argv) {
    static constexpr OptionRule kRules[] = {{"--client", 1, true}};
    const auto given = parseOptions(argc, argv, kRules);
    if (!given) {
        std::fprintf(stderr, "usage: kajcli clients [--client classic|classicuo|TITLE]\n");
        return 2;
    }
    const platform::ClientRule rule = ruleGiven(*given);
    auto desktop = platform::makeSystemDesktopInput();
    const auto windows = console::clientWindows(*desktop, rule);
    if (!windows) {
        std::fprintf(stderr, "%s\n", desktop->desktopProblem().c_str());
        return 1;
    }
    for (const auto& window : *windows) {
        std::printf("%llu %llu %s\n", static_cast<unsigned long long>(window.id),
                    static_cast<unsigned long long>(window.processId),
                    platform::cp1252ToUtf8(window.title).c_str());
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace kaj::cli
