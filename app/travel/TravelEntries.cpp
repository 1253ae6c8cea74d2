#include "TravelEntries.h"

#include <algorithm>

#include "AsciiCase.h"
#include "TextRoutines.h"

namespace kaj::travel {
namespace {

void addUnlessPresent(std::vector<std::string>& items, std::string text) {
    const bool present = std::any_of(items.begin(), items.end(), [&](const std::string& item) {
        return platform::equalsIgnoringAsciiCase(item, text);
    });
    if (!present) {
        items.push_back(std::move(text));
    }
}

}  // namespace

std::vector<std::string> splitEntry(std::string_view entry) {
    const auto fields = common::splitAt(entry, '|');
    return {fields.begin(), fields.end()};
}

std::string joinEntry(const std::vector<std::string>& fields) {
    std::string entry;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            entry += '|';
        }
        entry += fields[i];
    }
    return entry;
}

namespace {

template <typename Chosen>
std::vector<PlaceRow> placesWhere(const std::vector<std::string>& entries, Chosen chosen) {
    std::vector<PlaceRow> rows;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto fields = splitEntry(entries[i]);
        if (chosen(fields)) {
            rows.push_back({fields.size() > 2 ? fields[2] : std::string(),
                            common::trimBlanks(fields.size() > 3 ? fields[3] : std::string()),
                            static_cast<int>(i)});
        }
    }
    return rows;
}

}  // namespace

std::vector<PlaceRow> placesOfNode(const std::vector<std::string>& entries, std::string_view key) {
    return placesWhere(entries, [key](const std::vector<std::string>& fields) {
        return fields.size() >= 2 && fields[1] == key;
    });
}

std::vector<PlaceRow> placesNamedLike(const std::vector<std::string>& entries,
                                      std::string_view text) {
    return placesWhere(entries, [text](const std::vector<std::string>& fields) {
        return fields.size() > 2 &&
               platform::findIgnoringAsciiCase(fields[2], text) != std::string_view::npos;
    });
}

std::string buildEntry(const LocationFields& f) {
    return f.category + "|" + f.subsection + "|" + f.name + "|" + f.x + "," + f.y + "," + f.z;
}

LocationFields fieldsOfEntry(std::string_view entry) {
    const auto fields = splitEntry(entry);
    auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string(); };
    LocationFields result{field(0), field(1), field(2), {}, {}, {}};
    std::string* parts[3] = {&result.x, &result.y, &result.z};
    std::size_t part = 0;
    for (char c : field(3)) {
        if (c == ',') {
            if (++part == 3) {
                break;
            }
        } else {
            parts[part]->push_back(c);
        }
    }
    return result;
}

std::optional<std::string> refusedField(const LocationFields& fields) {
    const std::pair<const char*, const std::string*> checked[] = {
        {"Category", &fields.category},
        {"Subsection", &fields.subsection},
        {"Name", &fields.name},
        {"X", &fields.x},
        {"Y", &fields.y},
        {"Z", &fields.z},
    };
    for (const auto& [label, text] : checked) {
        if (text->find_first_of("|\r\n") != std::string::npos) {
            return std::string("The ") + label + " cannot contain |, or a line break.";
        }
    }
    return std::nullopt;
}

void addComboItems(const std::vector<std::string>& entries, std::vector<std::string>& categories,
                   std::vector<std::string>& subsections) {
    for (const auto& entry : entries) {
        const auto fields = splitEntry(entry);
        addUnlessPresent(categories, common::trimLeadingBlanks(fields[0]));
        if (fields.size() > 1) {
            addUnlessPresent(subsections, common::trimLeadingBlanks(fields[1]));
        }
    }
}

std::string goCommand(std::string_view coordinates) {
    std::string text(coordinates);
    std::replace(text.begin(), text.end(), ',', ' ');
    return "goxyz " + text;
}

std::string removeQuestion(std::string_view name, std::string_view location) {
    return "Are you Sure you want to remove this location?\r\n\r\n           Name        :     " +
           std::string(name) + "\r\n           Location    :     " + std::string(location);
}

}  // namespace kaj::travel
