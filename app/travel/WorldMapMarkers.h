#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "LocationEdits.h"
#include "TravelState.h"

namespace kaj::travel {

// The world-map marker files of ClassicUO and its forks: one marker a line,
// "X,Y,MAP,NAME,ICON,COLOR,ZOOM", in UTF-8. The travel list is of the first map,
// the one the console draws.
constexpr int kTravelMap = 0;
constexpr int kMarkerZoom = 4;
constexpr const char* kImportedCategory = "Imported";
constexpr const char* kMarkerFileFilter = "Marker Files (*.csv;*.usr)|*.csv;*.usr|All Files|*.*";

// The marker lines of the travel locations in list order. A location is its
// category's icon (the category in lower case without blanks) and colour (one of
// eight, taken in turn as categories first appear); commas, which would split a
// field, become blanks in the name and go from the icon. A location whose position
// does not name a cell of the map, mapWidth cells wide, is left out, and told.
struct MarkerExport {
    std::vector<std::string> lines;
    std::vector<std::string> leftOut;  // "NAME (POSITION)"
};
MarkerExport markerLines(const std::vector<std::string>& entries, int mapWidth);

// Writes the marker file whole, or leaves what was there.
struct MarkerFileOutcome {
    bool saved = false;
    std::string message;  // what was written or why not, for the user
};
MarkerFileOutcome exportMarkers(const std::vector<std::string>& entries,
                                const std::filesystem::path& markerFile, int mapWidth);

// A marker as its line gives it, the name in the console's 8-bit text.
struct WorldMapMarker {
    int line = 0;
    int x = 0;
    int y = 0;
    int map = 0;
    std::string name;
};
// The markers of a file's bytes. Blank lines and lines beginning with "#" are
// skipped; a line of fewer than four fields, a field of X, Y or MAP that is not a
// whole number, an empty name or one holding "|" is refused and told by its number.
struct LineRefusal {
    int line = 0;
    std::string reason;
    std::string text() const;  // "Line N: reason"
};
struct MarkerReading {
    std::vector<WorldMapMarker> markers;
    std::vector<LineRefusal> refusals;
};
MarkerReading readMarkers(std::string_view bytes);

// The ground's altitude at a cell of the map.
using HeightAt = std::function<int(int x, int y)>;

// Adds the markers of the map in use as places of the category "Imported", the
// marker file's name (without extension) their subsection, Z the ground's altitude
// there. A marker outside the map (mapWidth cells wide) is refused; one whose name the subsection
// already holds at the same X and Y is skipped. The travel file is written whole once, and not at
// all when no marker is added.
struct MarkerImport {
    EditOutcome outcome;
    int added = 0;
    int alreadyThere = 0;
    int otherMaps = 0;
    std::vector<std::string> refusals;  // "Line N: reason", in line order
    std::string message;                // the summary and every refusal, for the user
};
MarkerImport importMarkers(TravelState& state, const std::filesystem::path& programFolder,
                           const std::filesystem::path& markerFile, const HeightAt& heightAt,
                           int mapWidth);

}  // namespace kaj::travel
