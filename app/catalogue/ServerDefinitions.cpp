#include "ServerDefinitions.h"

#include <algorithm>
#include <optional>

#include "AsciiCase.h"
#include "ConfigText.h"
#include "FileLookup.h"
#include "PackageConfig.h"
#include "PackageWalk.h"
#include "ServerConfigFile.h"
#include "TextRoutines.h"

namespace kaj::catalogue {
namespace {

using common::trimBlanks;
using common::ValueOf;

std::optional<std::vector<std::string>> definitionLines(const std::filesystem::path& folder,
                                                        const char* fileName) {
    const auto file = platform::findCaseInsensitive(folder, fileName, platform::EntryKind::File);
    if (!file) {
        return std::nullopt;
    }
    return pol::readServerConfigLines(*file);
}

// A line folded to lower case once, then tested against lower-case words: the same
// answers as case-blind tests of the line itself, without folding it for each.
class FoldedLine {
  public:
    void fold(std::string_view line) { platform::foldAsciiCaseInto(text_, line); }
    bool contains(std::string_view lowerWord) const {
        return text_.find(lowerWord) != std::string::npos;
    }
    bool startsWith(std::string_view lowerWord) const { return text_.starts_with(lowerWord); }

  private:
    std::string text_;
};

bool startsWithAnyKind(const FoldedLine& line) {
    for (const char* kind : {"item", "container", "weapon", "armor"}) {
        if (line.startsWith(kind)) {
            return true;
        }
    }
    return false;
}

struct PackageSettings {
    bool enabled = false;
    bool invalid = false;
};

// Reads a pkg.cfg into the two defaults. A line is tested with its leading blanks
// removed, as the server reads it, so an indented "Enabled 1" counts.
std::optional<PackageSettings> readPackage(const std::filesystem::path& package,
                                           std::string& category, std::string& subsection) {
    category = "Packages";
    subsection.clear();
    auto lines = pol::readPackageConfig(package);
    if (!lines) {
        return std::nullopt;
    }
    pol::turnTabsIntoBlanks(*lines);
    PackageSettings settings;
    FoldedLine folded;
    for (const auto& raw : *lines) {
        const std::string line = common::trimLeadingBlanks(raw);
        folded.fold(line);
        if (folded.startsWith("enabled") &&
            line.find('1', std::string_view("enabled").size()) != std::string::npos) {
            settings.enabled = true;
        } else if (folded.contains("name")) {
            const auto value = ValueOf(line);
            if (!value) {
                settings.invalid = true;
                return settings;
            }
            subsection = *value;
        } else if (folded.contains("category=")) {
            category = ValueOf(line).value_or(std::string());
        } else if (folded.contains("subsection=")) {
            subsection = ValueOf(line).value_or(std::string());
        }
    }
    return settings;
}

}  // namespace

std::filesystem::path packageDefinitionFolder(const std::filesystem::path& package,
                                              const char* fileName) {
    const auto config =
        platform::findCaseInsensitive(package, "config", platform::EntryKind::Folder);
    if (config && platform::findCaseInsensitive(*config, fileName, platform::EntryKind::File)) {
        return *config;
    }
    return package;
}

void LoadItems(CatalogueState& state, const std::filesystem::path& folder) {
    const auto lines = definitionLines(folder, "itemdesc.cfg");
    if (!lines) {
        return;
    }
    std::string category = state.MasterCategory;
    std::string section = state.MasterSubsection;
    std::string name = "Unnamed";
    std::string color = "0";
    std::string objType;
    std::string graphic;
    std::vector<std::string> records;
    FoldedLine folded;
    for (const auto& line : *lines) {
        enum class Kind { None, Element, Door, Graphic, Name, Category, Section, Color, End };
        Kind kind = Kind::None;
        folded.fold(line);
        if (startsWithAnyKind(folded)) {
            kind = Kind::Element;
        } else if (folded.startsWith("door")) {
            kind = Kind::Door;
        } else if (folded.contains("graphic")) {
            kind = Kind::Graphic;
        } else if (folded.contains("name")) {
            kind = Kind::Name;
        } else if (folded.contains("category=")) {
            kind = Kind::Category;
        } else if (folded.contains("subsection=")) {
            kind = Kind::Section;
        } else if (folded.contains("color")) {
            kind = Kind::Color;
        } else if (line.find('}') != std::string::npos) {
            kind = Kind::End;
        }
        if (kind == Kind::None) {
            continue;
        }
        if (kind == Kind::End) {
            records.push_back(category + "|" + section + "|" + name + "|" + objType + "|" +
                              graphic + "|" + color);
            name = "Unnamed";
            category = state.MasterCategory;
            section = state.MasterSubsection;
            color.assign(1, '0');
            continue;
        }
        const auto value = ValueOf(line);
        if (!value) {
            break;  // a key word alone at the start of a line ends the file
        }
        switch (kind) {
            case Kind::Door:
                name = "Door";
                [[fallthrough]];
            case Kind::Element:
                objType = *value;
                graphic = *value;
                break;
            case Kind::Graphic:
                graphic = trimBlanks(deleteEvery(deleteEvery(*value, "Graphic"), "graphic"));
                break;
            case Kind::Name:
                name = trimBlanks(deleteEvery(deleteEvery(*value, "name"), "Name"));
                break;
            case Kind::Category:
                category = trimBlanks(*value);
                break;
            case Kind::Section:
                section = common::trimLeadingBlanks(*value);
                break;
            default:
                color = trimBlanks(deleteEvery(deleteEvery(*value, "Color"), "color"));
                break;
        }
    }
    addItemRecords(state.ListFullItem, std::move(records));
}

void Checkpkg(CatalogueState& state, const std::filesystem::path& package,
              const MessageSink& message) {
    const auto settings = readPackage(package, state.MasterCategory, state.MasterSubsection);
    if (!settings || settings->invalid) {
        message("pkg.cfg is invalid please remove any tabs in it.");
        return;
    }
    if (settings->enabled) {
        LoadItems(state, packageDefinitionFolder(package, "itemdesc.cfg"));
    }
}

void IndexItems(CatalogueState& state, const std::filesystem::path& folder,
                const MessageSink& message) {
    pol::walkPackages(
        folder, [&](const std::filesystem::path& package) { Checkpkg(state, package, message); });
}

void LoadNPCs(CatalogueState& state, const std::filesystem::path& folder) {
    const auto lines = definitionLines(folder, "npcdesc.cfg");
    if (!lines) {
        return;
    }
    std::string category = state.MasterNPCCategory;
    std::string section = state.MasterNPCSubsection;
    std::string color = "0";
    std::string templateName;
    std::string objType;
    FoldedLine folded;
    for (const auto& line : *lines) {
        enum class Kind { None, Template, ObjType, Category, Section, ColorRange, Color, End };
        Kind kind = Kind::None;
        folded.fold(line);
        if (folded.contains("npctemplate")) {
            kind = Kind::Template;
        } else if (folded.contains("objtype")) {
            kind = Kind::ObjType;
        } else if (folded.contains("category=")) {
            kind = Kind::Category;
        } else if (folded.contains("subsection=")) {
            kind = Kind::Section;
        } else if (folded.contains("colorrange")) {
            kind = Kind::ColorRange;
        } else if (folded.contains("color")) {
            kind = Kind::Color;
        } else if (line.find('}') != std::string::npos) {
            kind = Kind::End;
        }
        if (kind == Kind::None || kind == Kind::ColorRange) {
            continue;
        }
        if (kind == Kind::End) {
            state.ListFullChar.push_back(category + "|" + section + "|" + templateName + "|" +
                                         objType + "|" + color);
            category = state.MasterNPCCategory;
            section = state.MasterNPCSubsection;
            color.assign(1, '0');
            continue;
        }
        const auto value = ValueOf(line);
        if (!value) {
            break;
        }
        switch (kind) {
            case Kind::Template:
                templateName = *value;
                break;
            case Kind::ObjType:
                objType = common::trimLeadingBlanks(
                    deleteEvery(deleteEvery(*value, "objtype"), "ObjType"));
                break;
            case Kind::Category:
                category = *value;
                break;
            case Kind::Section:
                section = *value;
                break;
            default:
                color = trimBlanks(deleteEvery(
                    deleteEvery(deleteEvery(*value, "TrueColor"), "Truecolor"), "truecolor"));
                break;
        }
    }
}

void CheckNPCpkg(CatalogueState& state, const std::filesystem::path& package) {
    const auto settings = readPackage(package, state.MasterNPCCategory, state.MasterNPCSubsection);
    if (settings && !settings->invalid && settings->enabled) {
        LoadNPCs(state, packageDefinitionFolder(package, "npcdesc.cfg"));
    }
}

void IndexNPCs(CatalogueState& state, const std::filesystem::path& folder) {
    pol::walkPackages(folder,
                      [&](const std::filesystem::path& package) { CheckNPCpkg(state, package); });
}

}  // namespace kaj::catalogue
