#pragma once

#include <cstdint>

#include "ClientDataWriter.h"
#include "TempFolder.h"

namespace kaj::testing {

// A client folder holding the map files generated from a seed, made once for the
// whole test program and removed when it ends.
template <std::uint32_t Seed>
const TempFolder& generatedWorld() {
    static const TempFolder folder;
    [[maybe_unused]] static const bool written = [] {
        clientdata::writeMapData(folder.path(), Seed);
        return true;
    }();
    return folder;
}

}  // namespace kaj::testing
