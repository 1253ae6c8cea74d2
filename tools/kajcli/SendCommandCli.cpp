#include "SendCommandCli.h"

#include <cstdio>
#include <string>

#include "CommandSender.h"
#include "Cp1252.h"
#include "StderrDialogs.h"
#include "SystemDesktopInput.h"

namespace kaj::cli {

int runSend(int argc, char** argv) {
    bool userCommand = false;
    bool sendEnter = false;
    std::string text;
    bool haveText = false;
    for (int i = 0; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!haveText && argument == "--user") {
            userCommand = true;
        } else if (!haveText && argument == "--enter") {
            sendEnter = true;
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
        std::fprintf(stderr, "usage: kajcli send [--user] [--enter] TEXT\n");
        return 2;
    }
    auto desktop = platform::makeSystemDesktopInput();
    StderrDialogs dialogs;
    console::CommandSender sender(*desktop, dialogs, {});
    sender.SendCommand(platform::utf8ToCp1252(text), userCommand, sendEnter);
    return dialogs.messageCount == 0 ? 0 : 1;
}

}  // namespace kaj::cli
