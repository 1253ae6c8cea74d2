#include "CatalogueCli.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "CatalogueLoads.h"
#include "OutputLine.h"
#include "WhereCli.h"

namespace kaj::cli {
int runCatalogue(bool npcs, int argc, char** argv) {
    catalogue::CatalogueSource source;
    bool haveSource = false;
    bool tree = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--tree") == 0) {
            tree = true;
        } else if (std::strcmp(argv[i], "--pol") == 0 && i + 1 < argc && !haveSource) {
            source.serverFolder = argv[++i];
            haveSource = true;
        } else if (std::strcmp(argv[i], "--scripts") == 0 && !haveSource) {
            // Without a folder, the console's own script files.
            source.useScriptFiles = true;
            const bool folderGiven = i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0;
            source.programFolder = folderGiven ? std::filesystem::path(argv[++i]) : consoleFolder();
            haveSource = true;
        } else {
            haveSource = false;
            break;
        }
    }
    if (!haveSource) {
        std::fprintf(stderr, "usage: kajcli %s (--pol DIR | --scripts [DIR]) [--tree]\n",
                     npcs ? "npcs" : "items");
        return 2;
    }
    const common::MessageSink toStandardError = [](std::string_view text) {
        writeLine(stderr, text);
    };
    catalogue::CatalogueState state;
    if (npcs) {
        catalogue::loadNpcCatalogue(state, source, toStandardError);
    } else {
        catalogue::loadItemCatalogue(state, source, toStandardError);
    }
    for (const auto& record : npcs ? state.ListFullChar : state.ListFullItem) {
        writeLine(stdout, record);
    }
    if (tree) {
        writeLine(stdout, "--");
        for (const auto& line : (npcs ? state.tvwNPC : state.tvwItems).outline()) {
            writeLine(stdout, line);
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace kaj::cli
