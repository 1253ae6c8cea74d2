#include "LaunchCli.h"

#include <cstdio>
#include <map>
#include <string>

#include "ClientLaunch.h"
#include "OutputLine.h"
#include "WhereCli.h"

namespace kaj::cli {

int runLaunch(int argc, char** argv) {
    std::map<std::string, std::string> values;
    bool start = true;
    const char* const names[] = {"--uo",      "--name",     "--ip",     "--port",
                                 "--account", "--password", "--client", "--settings-folder"};
    for (int i = 0; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--no-start") {
            start = false;
            continue;
        }
        bool known = false;
        for (const char* name : names) {
            known = known || word == name;
        }
        if (!known || i + 1 >= argc || values.count(word) != 0) {
            std::fprintf(stderr,
                         "usage: kajcli launch --uo DIR --name NAME --ip IP --port PORT "
                         "--account ACCOUNT\n"
                         "                     --password PASSWORD --client PATH [--no-start]\n"
                         "                     [--settings-folder DIR]   (ClassicUO's settings "
                         "go there)\n");
            return 2;
        }
        values[word] = argv[++i];  // bytes as given: the files are 8-bit text
    }
    launcher::LaunchRequest request;
    request.uoFolder = values["--uo"];
    request.shard = {values["--name"],    values["--ip"],       values["--port"],
                     values["--account"], values["--password"], values["--client"]};
    request.start = start;
    request.settingsFolder = values.count("--settings-folder") != 0
                                 ? std::filesystem::path(values["--settings-folder"])
                                 : consoleFolder();
    auto shell = platform::makeSystemShell();
    const auto outcome = launcher::launchClient(request, *shell);
    for (const auto& message : outcome.messages) {
        writeLine(stderr, message);
    }
    return outcome.ok ? 0 : 1;
}

}  // namespace kaj::cli
