#include "CatalogueCli.h"

#include <cstdio>
#include <string>

#include "CatalogueLoads.h"
#include "CliArguments.h"
#include "OutputLine.h"
#include "PathText.h"
#include "WhereCli.h"

namespace kaj::cli {
int runCatalogue(bool npcs, int argc, char** argv) {
    static constexpr OptionRule kRules[] = {
        {"--tree", 0, true}, {"--pol"}, {"--scripts", 1, false, true}};
    const auto given = parseOptions(argc, argv, kRules);
    // One source: the server's files or script files.
    if (!given || given->has("--pol") == given->has("--scripts")) {
        std::fprintf(stderr, "usage: kajcli %s (--pol DIR | --scripts [DIR]) [--tree]\n",
                     npcs ? "npcs" : "items");
        return 2;
    }
    catalogue::CatalogueSource source;
    if (given->has("--pol")) {
        source.serverFolder = platform::pathFromText(given->wordOf("--pol"));
    } else {
        // Without a folder, the console's own script files.
        source.useScriptFiles = true;
        source.programFolder = given->last("--scripts")->words.empty()
                                   ? consoleFolder()
                                   : platform::pathFromText(given->wordOf("--scripts"));
    }
    const bool tree = given->has("--tree");
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
