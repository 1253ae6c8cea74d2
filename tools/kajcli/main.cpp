// kajcli: the console's command-line companion.
#include <cstdio>
#include <cstring>

#include "MapCli.h"
#include "RenderArtCli.h"
#include "SendCommandCli.h"

namespace {

void printUsage() {
    std::fprintf(
        stderr,
        "usage: kajcli COMMAND ...\n"
        "  send [--user] [--enter] TEXT   type TEXT into the game client as the console would\n"
        "                                 (--user: as a user command; --enter: with a final "
        "Enter)\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage();
        return 2;
    }
    if (std::strcmp(argv[1], "send") == 0) {
        return kaj::cli::runSend(argc - 2, argv + 2);
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
