#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "MessageSink.h"
#include "TravelEntries.h"
#include "TravelState.h"

namespace kaj::travel {

// How a change of the travel locations ended.
struct EditOutcome {
    bool saved = false;     // the list changed and KajMap.scp holds it
    bool reloaded = false;  // the list and tree were read again from the file
    std::string refusal;    // why it was not saved, for the user; empty when saved
};

// Each change is made in the location list, written to KajMap.scp whole, and the
// list and tree are read again from the file. A field the file cannot hold or an
// index the list lacks changes nothing. When the file cannot be written the user is
// told with its path and the reason, and the list shows the file as it still is.
EditOutcome addLocation(TravelState& state, const std::filesystem::path& programFolder,
                        const LocationFields& fields);
// Several places added in one change, or none when any field of any is refused.
EditOutcome addLocations(TravelState& state, const std::filesystem::path& programFolder,
                         const std::vector<LocationFields>& places);
EditOutcome replaceLocation(TravelState& state, const std::filesystem::path& programFolder,
                            int index, const LocationFields& fields);
EditOutcome removeLocation(TravelState& state, const std::filesystem::path& programFolder,
                           int index);

}  // namespace kaj::travel
