#include "LocationEdits.h"

#include "PathText.h"
#include "SortedTextList.h"
#include "TravelFile.h"

namespace kaj::travel {
namespace {

bool hasIndex(const TravelState& state, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < state.ListFullMap.size();
}

std::string noSuchIndex(int index) {
    return "There is no location with the index " + std::to_string(index) + ".";
}

// Writes the list and reads the file back, as every change ends.
EditOutcome saveAndReload(TravelState& state, const std::filesystem::path& programFolder) {
    const auto written = writeMapScript(programFolder, state.ListFullMap);
    state.clear();
    if (!written.ok) {
        LoadMapScript(state, programFolder, [](std::string_view) {});
        return {false, true,
                std::string(kTravelFileName) + " could not be saved to " +
                    platform::pathInMessage(travelFilePath(programFolder)) + " (" + written.error +
                    "). The travel list shows the file as it still is."};
    }
    LoadMapScript(state, programFolder, [](std::string_view) {});
    return {true, true, {}};
}

}  // namespace

EditOutcome addLocation(TravelState& state, const std::filesystem::path& programFolder,
                        const LocationFields& fields) {
    if (auto refusal = refusedField(fields)) {
        return {false, false, *refusal};
    }
    common::insertSorted(state.ListFullMap, buildEntry(fields));
    return saveAndReload(state, programFolder);
}

EditOutcome addLocations(TravelState& state, const std::filesystem::path& programFolder,
                         const std::vector<LocationFields>& places) {
    for (const auto& fields : places) {
        if (auto refusal = refusedField(fields)) {
            return {false, false, *refusal};
        }
    }
    for (const auto& fields : places) {
        common::insertSorted(state.ListFullMap, buildEntry(fields));
    }
    return saveAndReload(state, programFolder);
}

EditOutcome replaceLocation(TravelState& state, const std::filesystem::path& programFolder,
                            int index, const LocationFields& fields) {
    if (auto refusal = refusedField(fields)) {
        return {false, false, *refusal};
    }
    if (!hasIndex(state, index)) {
        return {false, false, noSuchIndex(index)};
    }
    // Out and in again, so the list and the file stay sorted by the new text.
    state.ListFullMap.erase(state.ListFullMap.begin() + index);
    common::insertSorted(state.ListFullMap, buildEntry(fields));
    return saveAndReload(state, programFolder);
}

EditOutcome removeLocation(TravelState& state, const std::filesystem::path& programFolder,
                           int index) {
    if (!hasIndex(state, index)) {
        return {false, false, noSuchIndex(index)};
    }
    state.ListFullMap.erase(state.ListFullMap.begin() + index);
    return saveAndReload(state, programFolder);
}

}  // namespace kaj::travel
