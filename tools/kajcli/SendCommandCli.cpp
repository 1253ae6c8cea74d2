#include "SendCommandCli.h"

#include <cstdio>
#include <string>

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

}  // namespace

int runSend(int argc, char** argv) {
    bool userCommand = false;
    bool sendEnter = false;
    platform::ClientRule rule;
    std::string text;
    bool haveText = false;
    for (int i = 0; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!haveText && argument == "--user") {
            userCommand = true;
        } else if (!haveText && argument == "--enter") {
            sendEnter = true;
        } else if (!haveText && argument == "--client" && i + 1 < argc) {
            rule = clientRule(argv[++i]);
        } else if (!haveText && argument == "--") {
            if (i + 1 < argc) {
                text = argv[++i];
                haveText = true;
            }
        } else if (!haveText) {
            text = argument;
            haveText = true;
        } else {
            std::fprintf(stderr, "kajcli send: only one TEXT is taken\n");
            return 2;
        }
    }
    if (!haveText) {
        std::fprintf(stderr,
                     "usage: kajcli send [--user] [--enter] [--client classic|classicuo|TITLE] "
                     "TEXT\n");
        return 2;
    }
    auto desktop = platform::makeSystemDesktopInput();
    StderrDialogs dialogs;
    console::CommandSender sender(*desktop, dialogs, {}, [rule] {
        return console::ClientTarget{rule, {}, {}};
    });
    sender.SendCommand(platform::utf8ToCp1252(text), userCommand, sendEnter);
    return dialogs.messageCount == 0 ? 0 : 1;
}

int runClients(int argc, char** argv) {
    platform::ClientRule rule;
    for (int i = 0; i < argc; ++i) {
        if (std::string(argv[i]) == "--client" && i + 1 < argc) {
            rule = clientRule(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: kajcli clients [--client classic|classicuo|TITLE]\n");
            return 2;
        }
    }
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
