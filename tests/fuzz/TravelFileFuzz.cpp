// The travel file reader over arbitrary bytes: the file is loaded, every node's
// places listed, every entry split for editing and its position read as a map
// centre, and the list written back and read again.
#include <cstddef>
#include <cstdint>

#include "FuzzFiles.h"
#include "PositionText.h"
#include "TravelEntries.h"
#include "TravelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    static const auto folder = fuzz::scratchFolder("travel-fuzz");
    fuzz::writeFile(folder / "KajMap.scp", {data, size});
    const common::MessageSink ignore = [](std::string_view) {};
    travel::TravelState state;
    travel::LoadMapScript(state, folder, ignore);
    for (const auto& line : state.tvwMap.outline()) {
        (void)line;
    }
    for (std::size_t i = 0; i < state.tvwMap.size(); ++i) {
        (void)travel::placesOfNode(state.ListFullMap, state.tvwMap.node(i).key);
    }
    for (const auto& entry : state.ListFullMap) {
        const auto fields = travel::fieldsOfEntry(entry);
        (void)travel::refusedField(fields);
        (void)travel::mapCentreOf(fields.x + "," + fields.y);
    }
    if (travel::writeMapScript(folder, state.ListFullMap).ok) {
        travel::TravelState again;
        travel::LoadMapScript(again, folder, ignore);
    }
    return 0;
}
