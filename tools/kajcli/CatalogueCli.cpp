#include "CatalogueCli.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "CatalogueLoads.h"

namespace kaj::cli {
namespace {

void writeLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace

int runCatalogue(bool npcs, int argc, char** argv) {
    catalogue::CatalogueSource source;
    bool haveSource = false;
    bool tree = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--tree") == 0) {
            tree = true;
        } else if ((std::strcmp(argv[i], "--pol") == 0 || std::strcmp(argv[i], "--scripts") == 0) &&
                   i + 1 < argc && !haveSource) {
            source.useScriptFiles = std::strcmp(argv[i], "--scripts") == 0;
            (source.useScriptFiles ? source.programFolder : source.serverFolder) = argv[++i];
            haveSource = true;
        } else {
            haveSource = false;
            break;
        }
    }
    if (!haveSource) {
        std::fprintf(stderr, "usage: kajcli %s (--pol DIR | --scripts DIR) [--tree]\n",
                     npcs ? "npcs" : "items");
        return 2;
    }
    const catalogue::MessageSink toStandardError = [](std::string_view text) {
        std::fwrite(text.data(), 1, text.size(), stderr);
        std::fputc('\n', stderr);
    };
    catalogue::CatalogueState state;
    if (npcs) {
        catalogue::loadNpcCatalogue(state, source, toStandardError);
    } else {
        catalogue::loadItemCatalogue(state, source, toStandardError);
    }
    for (const auto& record : npcs ? state.ListFullChar : state.ListFullItem) {
        writeLine(record);
    }
    if (tree) {
        writeLine("--");
        for (const auto& line : (npcs ? state.tvwNPC : state.tvwItems).outline()) {
            writeLine(line);
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace kaj::cli
