#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kaj::admin {

// What the Package Info frame shows of a pkg.cfg: the first line of each key it
// shows, as the server reads it.
struct PackageForm {
    std::optional<bool> enabled;  // nothing when the file has no Enabled line
    std::string name;
    std::string version;
    std::string maintainer;
    std::string email;
    std::string requires_;
    std::string conflicts;
    std::string coreRequired;
    std::string replaces;
};

// The form's text fields in the Package Info frame's order: a one-word name for
// scripts, the caption, and where the form keeps the value.
struct PackageTextField {
    const char* key;
    const char* caption;
    std::string PackageForm::*value;
};
inline constexpr std::array<PackageTextField, 8> kPackageTextFields = {{
    {"name", "Name", &PackageForm::name},
    {"version", "Version", &PackageForm::version},
    {"maintainer", "Maintainer", &PackageForm::maintainer},
    {"email", "Email", &PackageForm::email},
    {"requires", "Requires", &PackageForm::requires_},
    {"conflicts", "Conflicts", &PackageForm::conflicts},
    {"corerequired", "Core Required", &PackageForm::coreRequired},
    {"replaces", "Replaces", &PackageForm::replaces},
}};

PackageForm parsePackage(const std::vector<std::string>& lines);
// The name the package list shows: the first Name line's value.
std::string packageName(const std::vector<std::string>& lines);

// Why the server could not start with the form saved, or nothing.
std::optional<std::string> packageRefusal(const PackageForm& form);
// The new pkg.cfg: Enabled, Name and the filled keys, then every other line of the
// old file as it stood (keys the form does not show, later Maintainer, Email,
// Requires, Conflicts and Replaces lines). Comments, blank lines and later lines of
// Enabled, Name, Version and CoreRequired go.
std::vector<std::string> packageLines(const std::vector<std::string>& oldLines,
                                      const PackageForm& form);

}  // namespace kaj::admin
