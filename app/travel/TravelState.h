#pragma once

#include <string>
#include <vector>

#include "CategoryTree.h"

namespace kaj::travel {

// The travel locations the main window keeps for the whole run.
struct TravelState {
    // Category|Subcategory|Name|Position, sorted: an entry's index is its rank.
    std::vector<std::string> ListFullMap;
    // "GM Spots", the categories and their subcategories; places are not nodes.
    common::CategoryTree tvwMap;
    // The Add Location window is editing the entry at Index (not adding).
    bool EditLocation = false;
    int Index = 0;

    void clear();
};

}  // namespace kaj::travel
