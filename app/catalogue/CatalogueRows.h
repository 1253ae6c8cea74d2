#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kaj::catalogue {

// A row of the Create Item window's list: columns Name, ID, Graphic, Color.
struct ItemRow {
    std::string name, id, graphic, color;
};
// A row of the Create NPC window's list: columns NPC, ObjType, Color.
struct NpcRow {
    std::string npc, objType, color;
};

// A missing field leaves its column empty in every listing.

// The items whose Section is exactly the clicked node's text, in list order.
std::vector<ItemRow> itemRowsOfSection(const std::vector<std::string>& records,
                                       std::string_view section);
// The items whose record and Name both hold the text (A-Z case ignored); no Color.
std::vector<ItemRow> itemRowsMatching(const std::vector<std::string>& records,
                                      std::string_view search);
std::vector<NpcRow> npcRowsOfSection(const std::vector<std::string>& records,
                                     std::string_view section);
// The NPCs whose record and Template both hold the text, with their colour.
std::vector<NpcRow> npcRowsMatching(const std::vector<std::string>& records,
                                    std::string_view search);

// The object types of the rows, each once, in the order of the rows.
std::vector<std::string> distinctObjectTypes(const std::vector<ItemRow>& rows);

}  // namespace kaj::catalogue
