// kajcli: the console's command-line companion.
#include <cstdio>
#include <cstring>
#include <vector>

#include "AdminCli.h"
#include "CatalogueCli.h"
#include "CommandLine.h"
#include "LaunchCli.h"
#include "MapCli.h"
#include "RenderArtCli.h"
#include "SendCommandCli.h"
#include "TravelCli.h"
#include "WhereCli.h"

namespace {

void printUsage() {
    std::fprintf(
        stderr,
        "usage: kajcli COMMAND ...\n"
        "  send [--user] [--enter] [--client classic|classicuo|TITLE] TEXT\n"
        "                                 type TEXT into the game client as the console would\n"
        "                                 (--user: as a user command; --enter: with a final "
        "Enter)\n"
        "  clients [--client classic|classicuo|TITLE]\n"
        "                                 list the windows that count as the client\n"
        "  items|npcs (--pol DIR | --scripts [DIR]) [--tree]\n"
        "                                 print the catalogue records the console would load\n"
        "  travel [--dir DIR] [--tree] [--add C S N X Y Z | --edit INDEX C S N X Y Z |\n"
        "                   --remove INDEX | --export-markers FILE |\n"
        "                   --import-markers FILE [--client DIR]]\n"
        "                                 print (and change) the travel locations of KajMap.scp;\n"
        "                                 export or import the client's world-map markers\n"
        "  launch --uo DIR --name NAME --ip IP --port PORT --account ACCOUNT\n"
        "         --password PASSWORD --client PATH [--no-start]\n"
        "                                 write login.cfg and uo.cfg and start the client\n"
        "  accounts --pol DIR [--new NAME PASSWORD | --delete NAME | --set NAME FIELD VALUE]...\n"
        "           [--save]             list (and change) the accounts of data/accounts.txt\n"
        "  packages --pol DIR [--package INDEX [--set FIELD VALUE]... --save]\n"
        "                                 list (and change) the packages' pkg.cfg files\n"
        "  where                          print the folder the console keeps its files in\n"
        "  render-art, render-map, map-height: see each command's own usage\n"
        "Without --scripts DIR, --dir DIR or --settings-folder DIR, the console's own files\n"
        "are those of the folder `kajcli where` prints.\n");
}

using Runner = int (*)(int argc, char** argv);

struct Command {
    const char* name;
    Runner run;
};

// Each command is handed the words after its name.
constexpr Command kCommands[] = {
    {"send", kaj::cli::runSend},
    {"items", [](int argc, char** argv) { return kaj::cli::runCatalogue(false, argc, argv); }},
    {"npcs", [](int argc, char** argv) { return kaj::cli::runCatalogue(true, argc, argv); }},
    {"clients", kaj::cli::runClients},
    {"accounts", kaj::cli::runAccounts},
    {"packages", kaj::cli::runPackages},
    {"launch", kaj::cli::runLaunch},
    {"travel", kaj::cli::runTravel},
    {"where", kaj::cli::runWhere},
    {"render-map", kaj::cli::runRenderMap},
    {"map-height", kaj::cli::runMapHeight},
    {"render-art", kaj::cli::runRenderArt},
};

int run(int argc, char** argv) {
    if (argc >= 2) {
        for (const auto& command : kCommands) {
            if (std::strcmp(argv[1], command.name) == 0) {
                return command.run(argc - 2, argv + 2);
            }
        }
    }
    printUsage();
    return 2;
}

}  // namespace

// The arguments as UTF-8 on every system (Windows hands main its ANSI code page).
int main(int argc, char** argv) {
    kaj::platform::writeStandardStreamsAsBytes();
    auto arguments = kaj::platform::commandLineArguments(argc, argv);
    std::vector<char*> words{argc > 0 ? argv[0] : nullptr};
    for (auto& argument : arguments) {
        words.push_back(argument.data());
    }
    words.push_back(nullptr);
    return run(static_cast<int>(words.size() - 1), words.data());
}
