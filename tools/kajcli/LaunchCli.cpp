#include "LaunchCli.h"

#include <cstdio>
#include <string>
#include "CliArguments.h"

#include "ClientLaunch.h"
#include "OutputLine.h"
#include "PathText.h"
#include "WhereCli.h"

namespace kaj::cli {

int runLaunch(int argc, char** argv) {
    static constexpr OptionRule kRules[] = {{"--uo"},
                                            {"--name"},
                                            {"--ip"},
                                            {"--port"},
                                            {"--account"},
                                            {"--password"},
                                            {"--client"},
                                            {"--settings-folder"},
                                            {"--no-start", 0, true}};
    const auto given = parseOptions(argc, argv, kRules);
    if (!given) {
        std::fprintf(stderr,
                     "usage: kajcli launch --uo DIR --name NAME --ip IP --port PORT "
                     "--account ACCOUNT\n"
                     "                     --password PASSWORD --client PATH [--no-start]\n"
                     "                     [--settings-folder DIR]   (ClassicUO's settings "
                     "go there)\n");
        return 2;
    }
    launcher::LaunchRequest request;
    // The folders are path texts, as the words are UTF-8; the shard's fields go into
    // the 8-bit files as given.
    request.uoFolder = given->wordOf("--uo");
    request.shard = {given->wordOf("--name"),     given->wordOf("--ip"),
                     given->wordOf("--port"),     given->wordOf("--account"),
                     given->wordOf("--password"), given->wordOf("--client")};
    request.start = !given->has("--no-start");
    request.settingsFolder = given->has("--settings-folder")
                                 ? platform::pathFromText(given->wordOf("--settings-folder"))
                                 : consoleFolder();
    auto shell = platform::makeSystemShell();
    const auto outcome = launcher::launchClient(request, *shell);
    for (const auto& message : outcome.messages) {
        writeLine(stderr, message);
    }
    return outcome.ok ? 0 : 1;
}

}  // namespace kaj::cli
