#include "TravelCli.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "LocationEdits.h"
#include "MapRenderer.h"
#include "OutputLine.h"
#include "TravelFile.h"
#include "WhereCli.h"
#include "WorldMapMarkers.h"

namespace kaj::cli {
namespace {

int usage() {
    std::fprintf(
        stderr,
        "usage: kajcli travel [--dir DIR] [--tree] [--add C S N X Y Z |\n"
        "                     --edit INDEX C S N X Y Z | --remove INDEX |\n"
        "                     --export-markers FILE | --import-markers FILE [--client DIR]]\n");
    return 2;
}

enum class Change { None, Add, Edit, Remove, ExportMarkers, ImportMarkers };

struct TravelRequest {
    std::string folder;
    bool tree = false;
    Change change = Change::None;
    int index = 0;
    travel::LocationFields fields;
    std::string markerFile;
    std::string client;
};

std::optional<int> indexArgument(const char* text) {
    const auto value = parseInteger(text);
    if (!value || *value < 0 || *value > 0x7FFFFFFF) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<TravelRequest> parseRequest(int argc, char** argv) {
    TravelRequest request;
    bool haveFolder = false;
    auto takeFields = [&](int& i) {
        if (i + 6 >= argc) {
            return false;
        }
        request.fields = {argv[i + 1], argv[i + 2], argv[i + 3],
                          argv[i + 4], argv[i + 5], argv[i + 6]};
        i += 6;
        return true;
    };
    for (int i = 0; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--dir" && i + 1 < argc && !haveFolder) {
            request.folder = argv[++i];
            haveFolder = true;
        } else if (word == "--tree") {
            request.tree = true;
        } else if (word == "--client" && i + 1 < argc && request.client.empty()) {
            request.client = argv[++i];
        } else if (request.change != Change::None) {
            return std::nullopt;
        } else if (word == "--add") {
            request.change = Change::Add;
            if (!takeFields(i)) {
                return std::nullopt;
            }
        } else if ((word == "--export-markers" || word == "--import-markers") && i + 1 < argc) {
            request.change =
                word == "--export-markers" ? Change::ExportMarkers : Change::ImportMarkers;
            request.markerFile = argv[++i];
        } else if ((word == "--edit" || word == "--remove") && i + 1 < argc) {
            const auto index = indexArgument(argv[++i]);
            if (!index) {
                return std::nullopt;
            }
            request.index = *index;
            request.change = word == "--edit" ? Change::Edit : Change::Remove;
            if (request.change == Change::Edit && !takeFields(i)) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    if (!request.client.empty() && request.change != Change::ImportMarkers) {
        return std::nullopt;
    }
    if (!haveFolder) {
        request.folder = consoleFolder().string();
    }
    return request;
}

}  // namespace

int runTravel(int argc, char** argv) {
    const auto request = parseRequest(argc, argv);
    if (!request) {
        return usage();
    }
    const std::filesystem::path folder = request->folder;
    travel::TravelState state;
    travel::LoadMapScript(state, folder, [](std::string_view text) { writeLine(stderr, text); });
    travel::EditOutcome outcome{true, true, {}};
    switch (request->change) {
        case Change::None:
            break;
        case Change::Add:
            outcome = travel::addLocation(state, folder, request->fields);
            break;
        case Change::Edit:
            outcome = travel::replaceLocation(state, folder, request->index, request->fields);
            break;
        case Change::Remove:
            outcome = travel::removeLocation(state, folder, request->index);
            break;
        case Change::ExportMarkers: {
            const auto map = terrain::MapRenderer::fromFolder(clientFolderOf(request->client));
            const auto exported =
                travel::exportMarkers(state.ListFullMap, request->markerFile, map.worldWidth());
            writeLine(stderr, exported.message);
            if (!exported.saved) {
                return 1;
            }
            break;
        }
        case Change::ImportMarkers: {
            const auto map = terrain::MapRenderer::fromFolder(clientFolderOf(request->client));
            const auto imported = travel::importMarkers(
                state, folder, request->markerFile,
                [&map](int x, int y) { return static_cast<int>(map.mapHeight(x, y)); },
                map.worldWidth());
            writeLine(stderr, imported.message);
            // Unreadable, unwritable, or nothing added while lines were refused.
            if (!imported.outcome.refusal.empty() ||
                (imported.added == 0 && !imported.refusals.empty())) {
                outcome = {false, true, {}};
            }
            break;
        }
    }
    if (!outcome.saved) {
        if (!outcome.refusal.empty()) {
            writeLine(stderr, outcome.refusal);
        }
        return 1;
    }
    for (const auto& entry : state.ListFullMap) {
        writeLine(stdout, entry);
    }
    if (request->tree) {
        writeLine(stdout, "--");
        for (const auto& line : state.tvwMap.outline()) {
            writeLine(stdout, line);
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace kaj::cli
