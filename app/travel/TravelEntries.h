#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kaj::travel {

// The "|"-separated fields of an entry, as many as it has (an empty text is one
// empty field).
std::vector<std::string> splitEntry(std::string_view entry);
std::string joinEntry(const std::vector<std::string>& fields);

// One row of the place list.
struct PlaceRow {
    std::string name;
    std::string location;  // the position, trimmed of blanks
    int index;             // the entry's index in the location list
};
// The places whose subcategory is exactly the node's key, in list order.
std::vector<PlaceRow> placesOfNode(const std::vector<std::string>& entries, std::string_view key);
// The places of every category whose name holds the text, letter case ignored, in
// list order.
std::vector<PlaceRow> placesNamedLike(const std::vector<std::string>& entries,
                                      std::string_view text);

// What the Add Location window holds, in the order its fields are checked.
struct LocationFields {
    std::string category;
    std::string subsection;
    std::string name;
    std::string x;
    std::string y;
    std::string z;
};
// category|subsection|name|x,y,z exactly as typed.
std::string buildEntry(const LocationFields& fields);
// The fields of an entry for editing; a position of fewer than three parts leaves
// the boxes it lacks empty.
LocationFields fieldsOfEntry(std::string_view entry);
// Why the travel file could not hold the fields (the first field with "|", CR or
// LF, by its label), or nothing.
std::optional<std::string> refusedField(const LocationFields& fields);

// The categories and subcategories, leading blanks removed, that the two combo
// boxes lack: each added unless the box (or an earlier addition) holds it in any
// letter case.
void addComboItems(const std::vector<std::string>& entries, std::vector<std::string>& categories,
                   std::vector<std::string>& subsections);

// "goxyz " and the coordinates box's text with every "," a blank.
std::string goCommand(std::string_view coordinates);

// The removal question for a place list row.
std::string removeQuestion(std::string_view name, std::string_view location);

}  // namespace kaj::travel
