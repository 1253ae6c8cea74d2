#include "CatalogueRows.h"

#include <unordered_set>

#include "ConfigText.h"
#include "TextRoutines.h"

namespace kaj::catalogue {
namespace {

using common::trimBlanks;

std::string field(const std::vector<std::string_view>& fields, std::size_t n) {
    return std::string(fieldOr(fields, n));
}

// Calls add with the fields of every record whose Section is exactly section.
template <typename Add>
void forSection(const std::vector<std::string>& records, std::string_view section, Add add) {
    for (const auto& record : records) {
        const auto fields = splitFields(record);
        if (fieldOr(fields, 1) == section) {
            add(fields);
        }
    }
}

// Calls add with the fields of every record that holds the text, in the record
// and in its third field (Name or Template), A-Z case ignored.
template <typename Add>
void forMatches(const std::vector<std::string>& records, std::string_view search, Add add) {
    for (const auto& record : records) {
        if (!containsIgnoringCase(record, search)) {
            continue;
        }
        const auto fields = splitFields(record);
        if (containsIgnoringCase(fieldOr(fields, 2), search)) {
            add(fields);
        }
    }
}

}  // namespace

std::vector<ItemRow> itemRowsOfSection(const std::vector<std::string>& records,
                                       std::string_view section) {
    std::vector<ItemRow> rows;
    forSection(records, section, [&rows](const auto& fields) {
        rows.push_back({field(fields, 2), trimBlanks(fieldOr(fields, 3)),
                        trimBlanks(fieldOr(fields, 4)), trimBlanks(fieldOr(fields, 5))});
    });
    return rows;
}

std::vector<ItemRow> itemRowsMatching(const std::vector<std::string>& records,
                                      std::string_view search) {
    std::vector<ItemRow> rows;
    forMatches(records, search, [&rows](const auto& fields) {
        rows.push_back(
            {field(fields, 2), trimBlanks(fieldOr(fields, 3)), trimBlanks(fieldOr(fields, 4)), {}});
    });
    return rows;
}

std::vector<NpcRow> npcRowsOfSection(const std::vector<std::string>& records,
                                     std::string_view section) {
    std::vector<NpcRow> rows;
    forSection(records, section, [&rows](const auto& fields) {
        rows.push_back({field(fields, 2), field(fields, 3), field(fields, 4)});
    });
    return rows;
}

std::vector<NpcRow> npcRowsMatching(const std::vector<std::string>& records,
                                    std::string_view search) {
    std::vector<NpcRow> rows;
    forMatches(records, search, [&rows](const auto& fields) {
        rows.push_back(
            {field(fields, 2), trimBlanks(fieldOr(fields, 3)), trimBlanks(fieldOr(fields, 4))});
    });
    return rows;
}

std::vector<std::string> distinctObjectTypes(const std::vector<ItemRow>& rows) {
    std::vector<std::string> types;
    std::unordered_set<std::string> seen;
    for (const auto& row : rows) {
        if (!row.id.empty() && seen.insert(row.id).second) {
            types.push_back(row.id);
        }
    }
    return types;
}

}  // namespace kaj::catalogue
