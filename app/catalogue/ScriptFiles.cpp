#include "ScriptFiles.h"

#include <optional>

#include "AsciiCase.h"
#include "ConfigText.h"
#include "FileLookup.h"
#include "TextFile.h"
#include "TextRoutines.h"

namespace kaj::catalogue {
namespace {

constexpr std::string_view kCategoryMarker = "Category =";
constexpr std::string_view kSectionMarker = "Section =";

std::optional<std::filesystem::path> scriptFile(const std::filesystem::path& folder,
                                                const char* name) {
    return platform::findCaseInsensitive(folder, name, platform::EntryKind::File);
}

// The text after the marker, trimmed, when the line holds the marker (case ignored).
std::optional<std::string> headerName(std::string_view line, std::string_view marker) {
    const std::size_t at = platform::findIgnoringAsciiCase(line, marker);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    return common::trimBlanks(line.substr(at + marker.size()));
}

void readItemFile(CatalogueState& state, const std::filesystem::path& file,
                  const std::string& root) {
    const auto lines = platform::readTextLines(file);
    if (!lines) {
        return;
    }
    std::string category;
    std::string section;
    std::vector<std::string> records;
    for (const auto& line : *lines) {
        if (auto name = headerName(line, kCategoryMarker)) {
            category = std::move(*name);
            state.tvwItems.addChild(root, root + category, category, true);
        } else if (auto name = headerName(line, kSectionMarker)) {
            section = std::move(*name);
            state.tvwItems.addChild(root + category, "", section, true);
        } else if (line.size() >= 5 && line.find('|') != std::string::npos) {
            records.push_back(category + "|" + section + "|" + line);
        }
    }
    addItemRecords(state.ListFullItem, std::move(records));
}

}  // namespace

void Load_Kaj_Item_Script(CatalogueState& state, const std::filesystem::path& programFolder,
                          const MessageSink& message) {
    state.tvwItems.addRoot("Items", "Items", true);
    const auto standard = scriptFile(programFolder, "KajItems.scp");
    if (!standard) {
        message("KajItems.scp does not exist!");
        return;
    }
    readItemFile(state, *standard, "Items");
    if (const auto custom = scriptFile(programFolder, "KajItems2.scp")) {
        state.tvwItems.addRoot("Custom", "Custom", true);
        readItemFile(state, *custom, "Custom");
    }
}

void Load_Kaj_Char_Script(CatalogueState& state, const std::filesystem::path& programFolder,
                          const MessageSink& message) {
    const auto file = scriptFile(programFolder, "KajChar.scp");
    if (!file) {
        message("KajChar.scp does not exist!");
        return;
    }
    if (auto lines = platform::readTextLines(*file)) {
        state.ListFullChar.insert(state.ListFullChar.end(), std::make_move_iterator(lines->begin()),
                                  std::make_move_iterator(lines->end()));
    }
}

}  // namespace kaj::catalogue
