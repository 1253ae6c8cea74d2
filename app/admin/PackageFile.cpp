#include "PackageFile.h"

#include <array>
#include <optional>

#include "AsciiCase.h"
#include "ServerConfigLine.h"

namespace kaj::admin {
namespace {

using platform::equalsIgnoringAsciiCase;

enum class Key {
    Enabled,
    Name,
    Version,
    Maintainer,
    Email,
    Requires,
    Conflicts,
    CoreRequired,
    Replaces
};

struct ShownKey {
    Key key;
    const char* name;
    std::string PackageForm::*field;  // nothing for Enabled
    // Later lines are kept as they stand: the server reads every line of the key, or
    // none at all (Maintainer and Email). The form's later lines of a key the server
    // reads once go, so that clearing the field never brings one to life.
    bool laterLinesKept;
};

const std::array<ShownKey, 9>& shownKeys() {
    static const std::array<ShownKey, 9> keys = {{
        {Key::Enabled, "Enabled", nullptr, false},
        {Key::Name, "Name", &PackageForm::name, false},
        {Key::Version, "Version", &PackageForm::version, false},
        {Key::Maintainer, "Maintainer", &PackageForm::maintainer, true},
        {Key::Email, "Email", &PackageForm::email, true},
        {Key::Requires, "Requires", &PackageForm::requires_, true},
        {Key::Conflicts, "Conflicts", &PackageForm::conflicts, true},
        {Key::CoreRequired, "CoreRequired", &PackageForm::coreRequired, false},
        {Key::Replaces, "Replaces", &PackageForm::replaces, true},
    }};
    return keys;
}

const ShownKey* shownKeyOf(std::string_view key) {
    for (const auto& shown : shownKeys()) {
        if (equalsIgnoringAsciiCase(key, shown.name)) {
            return &shown;
        }
    }
    return nullptr;
}

std::string_view withoutMark(std::string_view line, std::size_t index) {
    if (index == 0 && line.starts_with(pol::kByteOrderMark)) {
        line.remove_prefix(pol::kByteOrderMark.size());
    }
    return line;
}

// The first value of each shown key, nothing for a key the file lacks.
std::array<std::optional<std::string>, 9> firstValues(const std::vector<std::string>& lines) {
    std::array<std::optional<std::string>, 9> values;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const pol::ConfigLine line = pol::splitConfigLine(withoutMark(lines[i], i));
        if (const ShownKey* shown = shownKeyOf(line.key)) {
            auto& value = values[static_cast<std::size_t>(shown->key)];
            if (!value) {
                value = line.value;
            }
        }
    }
    return values;
}

}  // namespace

PackageForm parsePackage(const std::vector<std::string>& lines) {
    PackageForm form;
    std::array<bool, 9> seen{};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const pol::ConfigLine line = pol::splitConfigLine(withoutMark(lines[i], i));
        const ShownKey* shown = shownKeyOf(line.key);
        if (shown == nullptr || seen[static_cast<std::size_t>(shown->key)]) {
            continue;
        }
        seen[static_cast<std::size_t>(shown->key)] = true;
        if (shown->key == Key::Enabled) {
            form.enabled = pol::serverNumber(line.value) != 0;
        } else {
            form.*(shown->field) = line.value;
        }
    }
    return form;
}

std::string packageName(const std::vector<std::string>& lines) {
    return parsePackage(lines).name;
}

std::optional<std::string> packageRefusal(const PackageForm& form) {
    if (!form.enabled) {
        return "Choose Yes or No for Enabled before saving.";
    }
    for (const auto& shown : shownKeys()) {
        if (shown.field != nullptr &&
            (form.*(shown.field)).find_first_of("\r\n") != std::string::npos) {
            return std::string("The ") + shown.name + " cannot contain a line break.";
        }
    }
    if (form.name.empty()) {
        return "A package needs a name.";
    }
    if (!form.coreRequired.empty() && (form.coreRequired[0] < '0' || form.coreRequired[0] > '9')) {
        return "The Core Required must begin with a digit, as in 100 or 100.1.0.";
    }
    return std::nullopt;
}

std::vector<std::string> packageLines(const std::vector<std::string>& oldLines,
                                      const PackageForm& form) {
    std::vector<std::string> lines;
    lines.push_back(std::string("Enabled ") + (form.enabled.value_or(false) ? "1" : "0"));
    lines.push_back("Name " + form.name);
    // An empty field is written only where the file had the key with an empty value,
    // which the server reads differently from no line at all.
    const auto before = firstValues(oldLines);
    for (const auto& shown : shownKeys()) {
        if (shown.field == nullptr || shown.key == Key::Name) {
            continue;
        }
        const std::string& value = form.*(shown.field);
        const auto& old = before[static_cast<std::size_t>(shown.key)];
        if (!value.empty() || (old && old->empty())) {
            lines.push_back(std::string(shown.name) + " " + value);
        }
    }
    std::array<bool, 9> seen{};
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        const std::string_view text = withoutMark(oldLines[i], i);
        const pol::ConfigLine line = pol::splitConfigLine(text);
        if (line.key.empty() || pol::isCommentKey(line.key)) {
            continue;
        }
        if (const ShownKey* shown = shownKeyOf(line.key)) {
            // The first line of a shown key is the form's.
            const bool first = !seen[static_cast<std::size_t>(shown->key)];
            seen[static_cast<std::size_t>(shown->key)] = true;
            if (first || !shown->laterLinesKept) {
                continue;
            }
        }
        lines.emplace_back(text);
    }
    return lines;
}

}  // namespace kaj::admin
