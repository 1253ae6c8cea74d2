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

int run(int argc, char** argv) {
    if (argc < 2) {
        printUsage();
        return 2;
    }
    if (std::strcmp(argv[1], "send") == 0) {
        return kaj::cli::runSend(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "items") == 0 || std::strcmp(argv[1], "npcs") == 0) {
        return kaj::cli::runCatalogue(std::strcmp(argv[1], "npcs") == 0, argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "clients") == 0) {
        return kaj::cli::runClients(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "accounts") == 0) {
        return kaj::cli::runAccounts(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "packages") == 0) {
        return kaj::cli::runPackages(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "launch") == 0) {
        return kaj::cli::runLaunch(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "travel") == 0) {
        return kaj::cli::runTravel(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "where") == 0) {
        return kaj::cli::runWhere(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "render-map") == 0) {
        return kaj::cli::runRenderMap(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "map-height") == 0) {
        return kaj::cli::runMapHeight(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "render-art") == 0) {
        return kaj::cli::runRenderArt(argc - 2, argv + 2);
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
