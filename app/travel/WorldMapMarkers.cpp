#include "WorldMapMarkers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <set>
#include <tuple>

#include "AsciiCase.h"
#include "Cp1252.h"
#include "MapView.h"
#include "PathText.h"
#include "PositionText.h"
#include "TextFile.h"
#include "TextRoutines.h"
#include "TravelEntries.h"
#include "TravelFile.h"

namespace kaj::travel {
namespace {

constexpr std::array<const char*, 8> kColours = {"red",    "green",  "blue", "yellow",
                                                 "purple", "orange", "cyan", "white"};
constexpr std::size_t kRefusalsShown = 20;

bool onTheMap(int x, int y, int mapWidth) {
    return x >= 0 && y >= 0 && x < mapWidth && y < terrain::kWorldHeight;
}

std::string iconOf(std::string_view category) {
    std::string icon;
    for (char c : category) {
        if (c != ' ' && c != ',') {
            icon += platform::foldAsciiCase(c);
        }
    }
    return icon;
}

std::string markerName(std::string_view name) {
    std::string text(name);
    std::replace(text.begin(), text.end(), ',', ' ');
    return text;
}

std::optional<long long> wholeNumber(std::string_view field) {
    const std::string text = common::trimBlanks(field);
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    long long value = 0;
    const auto read = std::from_chars(first, last, value);
    if (first == last || read.ec != std::errc() || read.ptr != last) {
        return std::nullopt;
    }
    return value;
}

// Appends each part in turn (joining them with + first makes GCC 12 warn of
// overlapping copies it imagines).
template <typename... Parts>
void append(std::string& text, const Parts&... parts) {
    (text.append(parts), ...);
}

// What the user reads after an import: the count, what was passed over, and the
// refused lines (the first twenty of them).
std::string importMessage(const MarkerImport& result, const std::filesystem::path& markerFile,
                          std::string_view subsection) {
    std::string text;
    const std::string file = platform::pathInMessage(markerFile.filename());
    if (result.added > 0) {
        append(text, std::to_string(result.added), result.added == 1 ? " marker" : " markers",
               " of ", file, " added to ", kImportedCategory, ", ", subsection, ".");
    } else {
        append(text, "No marker of ", file, " was added; ", kTravelFileName, " is unchanged.");
    }
    if (result.alreadyThere > 0) {
        append(text, " ", std::to_string(result.alreadyThere), " already there.");
    }
    if (result.otherMaps > 0) {
        append(text, " ", std::to_string(result.otherMaps), " of other maps left out.");
    }
    if (!result.refusals.empty()) {
        append(text, "\n\n", std::to_string(result.refusals.size()),
               result.refusals.size() == 1 ? " line refused:" : " lines refused:");
        for (std::size_t i = 0; i < result.refusals.size() && i < kRefusalsShown; ++i) {
            append(text, "\n", result.refusals[i]);
        }
        if (result.refusals.size() > kRefusalsShown) {
            append(text, "\n... and ", std::to_string(result.refusals.size() - kRefusalsShown),
                   " more.");
        }
    }
    if (!result.outcome.refusal.empty()) {
        append(text, "\n\n", result.outcome.refusal);
    }
    return text;
}

}  // namespace

std::string LineRefusal::text() const {
    return "Line " + std::to_string(line) + ": " + reason;
}

MarkerExport markerLines(const std::vector<std::string>& entries, int mapWidth) {
    MarkerExport result;
    std::vector<std::string> categories;  // folded, in the order they first appear
    for (const auto& entry : entries) {
        const auto parts = splitEntry(entry);
        const auto part = [&parts](std::size_t i) {
            return i < parts.size() ? parts[i] : std::string();
        };
        const std::string category = part(0);
        const std::string name = part(2);
        const std::string position = part(3);
        const MapCentre centre = mapCentreOf(position);
        if (!centre.x || !centre.y || !onTheMap(*centre.x, *centre.y, mapWidth)) {
            result.leftOut.push_back(name + " (" + common::trimBlanks(position) + ")");
            continue;
        }
        const std::string folded = platform::foldAsciiCase(category);
        auto known = std::find(categories.begin(), categories.end(), folded);
        if (known == categories.end()) {
            known = categories.insert(categories.end(), folded);
        }
        const auto colour =
            kColours[static_cast<std::size_t>(known - categories.begin()) % kColours.size()];
        result.lines.push_back(std::to_string(*centre.x) + "," + std::to_string(*centre.y) + "," +
                               std::to_string(kTravelMap) + "," +
                               platform::cp1252ToUtf8(markerName(name)) + "," +
                               platform::cp1252ToUtf8(iconOf(category)) + "," + colour + "," +
                               std::to_string(kMarkerZoom));
    }
    return result;
}

MarkerFileOutcome exportMarkers(const std::vector<std::string>& entries,
                                const std::filesystem::path& markerFile, int mapWidth) {
    const MarkerExport markers = markerLines(entries, mapWidth);
    const auto written = platform::writeTextLines(markerFile, markers.lines);
    if (!written.ok) {
        return {false, "The markers could not be written to " +
                           platform::pathInMessage(markerFile) + " (" + written.error + ")."};
    }
    std::string message = std::to_string(markers.lines.size()) +
                          (markers.lines.size() == 1 ? " travel location" : " travel locations") +
                          " written to " + platform::pathInMessage(markerFile) + ".";
    if (!markers.leftOut.empty()) {
        message += "\n\nLeft out, their positions not on the map:";
        for (const auto& place : markers.leftOut) {
            message += "\n" + place;
        }
    }
    return {true, message};
}

MarkerReading readMarkers(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    MarkerReading result;
    int number = 0;
    for (const std::string& line : platform::splitLines(bytes)) {
        ++number;
        const std::string text = common::trimBlanks(line);
        if (text.empty() || text.front() == '#') {
            continue;
        }
        const auto fields = common::splitAt(text, ',');
        if (fields.size() < 4) {
            result.refusals.push_back({number, "fewer than four fields (X,Y,MAP,NAME)"});
            continue;
        }
        const char* labels[3] = {"X", "Y", "MAP"};
        std::array<long long, 3> values{};
        bool numbers = true;
        for (std::size_t i = 0; i < 3 && numbers; ++i) {
            const auto value = wholeNumber(fields[i]);
            if (!value || *value < -0x7FFFFFFFLL || *value > 0x7FFFFFFFLL) {
                result.refusals.push_back({number, std::string(labels[i]) + " \"" +
                                                       common::trimBlanks(fields[i]) +
                                                       "\" is not a whole number"});
                numbers = false;
            } else {
                values[i] = *value;
            }
        }
        if (!numbers) {
            continue;
        }
        const std::string name = platform::utf8ToCp1252(common::trimBlanks(fields[3]));
        if (name.empty()) {
            result.refusals.push_back({number, "the marker has no name"});
            continue;
        }
        if (name.find('|') != std::string::npos) {
            result.refusals.push_back(
                {number,
                 "the name \"" + name + "\" holds \"|\", which the travel file cannot hold"});
            continue;
        }
        result.markers.push_back({number, static_cast<int>(values[0]), static_cast<int>(values[1]),
                                  static_cast<int>(values[2]), name});
    }
    return result;
}

MarkerImport importMarkers(TravelState& state, const std::filesystem::path& programFolder,
                           const std::filesystem::path& markerFile, const HeightAt& heightAt,
                           int mapWidth) {
    MarkerImport result;
    const std::u8string stem = markerFile.stem().u8string();
    const std::string subsection = platform::utf8ToCp1252(std::string(stem.begin(), stem.end()));
    const auto bytes = platform::readWholeFile(markerFile);
    if (!bytes) {
        result.outcome.refusal = platform::pathInMessage(markerFile) + " could not be read.";
        result.message = result.outcome.refusal;
        return result;
    }
    MarkerReading reading = readMarkers(*bytes);
    std::vector<LineRefusal> refused = std::move(reading.refusals);
    // The places of this subsection by name and X and Y, those listed and those added.
    std::set<std::tuple<std::string, int, int>> taken;
    for (const auto& entry : state.ListFullMap) {
        const LocationFields place = fieldsOfEntry(entry);
        const MapCentre centre = mapCentreOf(place.x + "," + place.y);
        if (platform::equalsIgnoringAsciiCase(place.category, kImportedCategory) &&
            platform::equalsIgnoringAsciiCase(place.subsection, subsection) && centre.x &&
            centre.y) {
            taken.insert({place.name, *centre.x, *centre.y});
        }
    }
    std::vector<LocationFields> places;
    for (const auto& marker : reading.markers) {
        if (marker.map != kTravelMap) {
            ++result.otherMaps;
            continue;
        }
        if (!onTheMap(marker.x, marker.y, mapWidth)) {
            refused.push_back({marker.line, std::to_string(marker.x) + "," +
                                                std::to_string(marker.y) +
                                                " lies outside the map"});
            continue;
        }
        if (!taken.insert({marker.name, marker.x, marker.y}).second) {
            ++result.alreadyThere;
            continue;
        }
        places.push_back({kImportedCategory, subsection, marker.name, std::to_string(marker.x),
                          std::to_string(marker.y), std::to_string(heightAt(marker.x, marker.y))});
    }
    std::stable_sort(refused.begin(), refused.end(),
                     [](const LineRefusal& a, const LineRefusal& b) { return a.line < b.line; });
    for (const auto& line : refused) {
        result.refusals.push_back(line.text());
    }

    if (!places.empty()) {
        result.outcome = addLocations(state, programFolder, places);
        if (result.outcome.saved) {
            result.added = static_cast<int>(places.size());
        }
    }
    result.message = importMessage(result, markerFile, subsection);
    return result;
}

}  // namespace kaj::travel
