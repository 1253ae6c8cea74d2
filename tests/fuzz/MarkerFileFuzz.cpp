// The world-map marker reader over arbitrary bytes: the markers are read, imported
// into an empty travel file (the height a function of the position), the travel
// file read back, and the list exported as marker lines and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzFiles.h"
#include "MapView.h"
#include "TravelFile.h"
#include "WorldMapMarkers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    static const auto folder = fuzz::scratchFolder("marker-fuzz");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto reading = travel::readMarkers(bytes);
    for (const auto& marker : reading.markers) {
        if (marker.name.empty() || marker.name.find('|') != std::string::npos) {
            std::abort();  // the reader lets through only names the travel file can hold
        }
    }
    fuzz::writeFile(folder / "markers.csv", {data, size});
    fuzz::writeFile(folder / "KajMap.scp", {});
    travel::TravelState state;
    travel::LoadMapScript(state, folder, [](std::string_view) {});
    const auto imported = travel::importMarkers(
        state, folder, folder / "markers.csv", [](int x, int y) { return (x ^ y) % 128; },
        terrain::kWideWorldWidth);
    if (imported.added > 0 &&
        state.ListFullMap.size() != static_cast<std::size_t>(imported.added)) {
        std::abort();  // every marker added is in the list read back
    }
    std::string exported;
    for (const auto& line :
         travel::markerLines(state.ListFullMap, terrain::kWideWorldWidth).lines) {
        exported += line + "\r\n";
    }
    (void)travel::readMarkers(exported);
    return 0;
}
