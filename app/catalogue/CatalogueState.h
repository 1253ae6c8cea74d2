#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "CategoryTree.h"
#include "MessageSink.h"

namespace kaj::catalogue {

// What the catalogue loaders fill: the item records (kept sorted), the NPC records
// (in the order read), the defaults records get, and the two trees.
struct CatalogueState {
    std::vector<std::string> ListFullItem;  // Category|Section|Name|ObjType|Graphic|Color
    std::vector<std::string> ListFullChar;  // Category|Section|Template|ObjType|Color
    std::string MasterCategory = "Items";
    std::string MasterSubsection = "Misc";
    std::string MasterNPCCategory = "NPCs";
    std::string MasterNPCSubsection = "Misc";
    common::CategoryTree tvwItems;
    common::CategoryTree tvwNPC;
};

using common::MessageSink;

// Adds records to ListFullItem at their sorted places: the whole record, A-Z
// folded, byte by byte; a record equal to earlier ones goes after them.
void addItemRecords(std::vector<std::string>& sortedList, std::vector<std::string> records);

}  // namespace kaj::catalogue
