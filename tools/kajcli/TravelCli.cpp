#include "TravelCli.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "LocationEdits.h"
#include "MapRenderer.h"
#include "OutputLine.h"
#include "PathText.h"
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
    std::filesystem::path folder;
    bool tree = false;
    Change change = Change::None;
    int index = 0;
    travel::LocationFields fields;
    std::filesystem::path markerFile;
    std::string client;
};

std::optional<int> indexArgument(const std::string& text) {
    const auto value = parseInteger(text);
    if (!value || *value < 0 || *value > 0x7FFFFFFF) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

travel::LocationFields locationFields(const std::vector<std::string>& words, std::size_t first) {
    return {words[first],     words[first + 1], words[first + 2],
            words[first + 3], words[first + 4], words[first + 5]};
}

std::optional<TravelRequest> parseRequest(int argc, char** argv) {
    static constexpr OptionRule kRules[] = {
        {"--dir"},     {"--tree", 0, true}, {"--client"},         {"--add", 6},
        {"--edit", 7}, {"--remove"},        {"--export-markers"}, {"--import-markers"}};
    const auto given = parseOptions(argc, argv, kRules);
    if (!given) {
        return std::nullopt;
    }
    TravelRequest request;
    request.tree = given->has("--tree");
    request.client = given->wordOf("--client");
    // At most one change.
    for (const auto& option : given->options) {
        const auto& words = option.words;
        Change change = Change::None;
        if (option.name == "--add") {
            change = Change::Add;
            request.fields = locationFields(words, 0);
        } else if (option.name == "--edit" || option.name == "--remove") {
            const auto index = indexArgument(words[0]);
            if (!index) {
                return std::nullopt;
            }
            request.index = *index;
            change = option.name == "--edit" ? Change::Edit : Change::Remove;
            if (change == Change::Edit) {
                request.fields = locationFields(words, 1);
            }
        } else if (option.name == "--export-markers" || option.name == "--import-markers") {
            change =
                option.name == "--export-markers" ? Change::ExportMarkers : Change::ImportMarkers;
            request.markerFile = platform::pathFromText(words[0]);
        }
        if (change == Change::None) {
            continue;
        }
        if (request.change != Change::None) {
            return std::nullopt;
        }
        request.change = change;
    }
    if (!request.client.empty() && request.change != Change::ImportMarkers) {
        return std::nullopt;
    }
    request.folder =
        given->has("--dir") ? platform::pathFromText(given->wordOf("--dir")) : consoleFolder();
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
