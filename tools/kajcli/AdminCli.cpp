#include "AdminCli.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "AccountEditor.h"
#include "CliArguments.h"
#include "OutputLine.h"
#include "PackageManager.h"
#include "PathText.h"
#include "TextRoutines.h"

namespace kaj::cli {
namespace {

int refused(const std::string& message) {
    writeLine(stderr, message);
    return 1;
}

// "\n" in a multi-line value stands for a line break.
std::string withLineBreaks(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == 'n') {
            out += "\r\n";
            ++i;
        } else {
            out.push_back(value[i]);
        }
    }
    return out;
}

std::optional<std::string> zeroOrOne(const std::string& value) {
    if (value == "1" || value == "0") {
        return value;
    }
    return std::nullopt;
}

// One step of the accounts command, as a person does it in the window; an empty
// result is success, else the refusal.
using Step = std::function<std::optional<std::string>(admin::AccountEditor&)>;

int entryNamed(const admin::AccountEditor& editor, const std::string& text) {
    const auto& entries = editor.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].text == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The fields `--set` reaches that take the value as it is, and those whose "\n"
// stands for a line break; "privs" is the ticked list.
using AccountText = std::string admin::AccountForm::*;
constexpr std::pair<const char*, AccountText> kAccountFields[] = {
    {"name", &admin::AccountForm::name},         {"password", &admin::AccountForm::password},
    {"enabled", &admin::AccountForm::enabled},   {"banned", &admin::AccountForm::banned},
    {"cmdlevel", &admin::AccountForm::cmdLevel},
};
constexpr std::pair<const char*, AccountText> kAccountLineFields[] = {
    {"cprops", &admin::AccountForm::cprops},
    {"misc", &admin::AccountForm::misc},
};

template <typename Member, std::size_t N>
Member memberNamed(const std::pair<const char*, Member> (&fields)[N], const std::string& field) {
    for (const auto& [name, member] : fields) {
        if (field == name) {
            return member;
        }
    }
    return nullptr;
}

std::optional<std::string> tickPrivileges(admin::AccountForm& form, const std::string& value) {
    form.privileges = {};
    std::size_t start = 0;
    while (start <= value.size() && !value.empty()) {
        const std::size_t comma = value.find(',', start);
        const std::string name = common::trimBlanks(std::string_view(value).substr(
            start, comma == std::string::npos ? comma : comma - start));
        bool known = false;
        for (std::size_t i = 0; i < admin::kPrivileges.size(); ++i) {
            if (name == admin::kPrivileges[i]) {
                form.privileges[i] = known = true;
            }
        }
        if (!known) {
            return "The privilege " + name + " is not in the list.";
        }
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return std::nullopt;
}

std::optional<std::string> setField(admin::AccountForm& form, const std::string& field,
                                    const std::string& value) {
    if (const auto member = memberNamed(kAccountFields, field)) {
        form.*member = value;
    } else if (const auto lines = memberNamed(kAccountLineFields, field)) {
        form.*lines = withLineBreaks(value);
    } else {
        return tickPrivileges(form, value);
    }
    return std::nullopt;
}

int accountsUsage() {
    std::fprintf(stderr,
                 "usage: kajcli accounts --pol DIR [--new NAME PASSWORD | --delete NAME |\n"
                 "                       --set NAME FIELD VALUE]... [--save]\n"
                 "  FIELD: name password enabled banned cmdlevel privs cprops misc\n");
    return 2;
}

int packagesUsage() {
    std::fprintf(
        stderr,
        "usage: kajcli packages --pol DIR [--package INDEX [--set FIELD VALUE]... --save]\n"
        "  FIELD: enabled name version maintainer email requires conflicts "
        "corerequired replaces\n");
    return 2;
}

bool isAccountField(const std::string& field) {
    return memberNamed(kAccountFields, field) || memberNamed(kAccountLineFields, field) ||
           field == "privs";
}

// A package field besides "enabled", which is 1 or 0; nothing for another name.
std::string admin::PackageForm::*packageTextField(const std::string& field) {
    for (const auto& text : admin::kPackageTextFields) {
        if (field == text.key) {
            return text.value;
        }
    }
    return nullptr;
}

std::string relativeFolder(const std::filesystem::path& folder, const std::filesystem::path& root) {
    const std::string relative = folder.lexically_relative(root).generic_string();
    if (relative.empty() || relative == ".") {
        return "./";
    }
    return relative.back() == '/' ? relative : relative + "/";
}

}  // namespace

int runAccounts(int argc, char** argv) {
    static constexpr OptionRule kRules[] = {{"--pol"},
                                            {"--save", 0, true},
                                            {"--new", 2, true},
                                            {"--delete", 1, true},
                                            {"--set", 3, true}};
    const auto given = parseOptions(argc, argv, kRules);
    if (!given) {
        return accountsUsage();
    }
    const std::string folder = given->wordOf("--pol");
    const bool save = given->has("--save");
    // The changes, in the order given.
    std::vector<Step> steps;
    for (const auto& option : given->options) {
        const auto& words = option.words;
        if (option.name == "--new") {
            const std::string name = words[0];
            const std::string password = words[1];
            steps.push_back(
                [name, password](admin::AccountEditor& editor) -> std::optional<std::string> {
                    if (auto refusal = editor.refuseNew()) {
                        return refusal;
                    }
                    editor.cancel();
                    if (common::trimBlanks(name).empty()) {
                        return std::nullopt;
                    }
                    const auto added = editor.addPending(name);
                    if (!added.entry) {
                        return added.refusal;
                    }
                    auto form = editor.show(*added.entry);
                    form.name = name;
                    form.password = password;
                    return editor.apply(*added.entry, form);
                });
        } else if (option.name == "--delete") {
            const std::string name = words[0];
            steps.push_back([name](admin::AccountEditor& editor) -> std::optional<std::string> {
                const int entry = entryNamed(editor, name);
                if (auto refusal = editor.refuseDelete(entry)) {
                    return refusal;
                }
                editor.remove(entry);
                editor.cancel();
                return std::nullopt;
            });
        } else if (option.name == "--set") {
            const std::string name = words[0];
            const std::string field = words[1];
            const std::string value = words[2];
            if (!isAccountField(field) ||
                ((field == "enabled" || field == "banned") && !zeroOrOne(value))) {
                return accountsUsage();
            }
            steps.push_back(
                [name, field, value](admin::AccountEditor& editor) -> std::optional<std::string> {
                    const int entry = entryNamed(editor, name);
                    if (auto refusal = editor.refuseEdit(entry)) {
                        return refusal;
                    }
                    auto form = editor.show(entry);
                    if (auto refusal = setField(form, field, value)) {
                        return refusal;
                    }
                    return editor.apply(entry, form);
                });
        }
    }
    if (folder.empty()) {
        return accountsUsage();
    }
    admin::AccountEditor editor{platform::pathFromText(folder)};
    if (auto missing = editor.load()) {
        return refused(*missing);
    }
    for (const auto& step : steps) {
        if (auto refusal = step(editor)) {
            return refused(*refusal);
        }
    }
    if (save) {
        if (auto failure = editor.save()) {
            return refused(*failure);
        }
    }
    for (const auto& entry : editor.entries()) {
        writeLine(stdout, entry.text);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int runPackages(int argc, char** argv) {
    static constexpr OptionRule kRules[] = {
        {"--pol"}, {"--package"}, {"--set", 2, true}, {"--save", 0, true}};
    const auto given = parseOptions(argc, argv, kRules);
    if (!given) {
        return packagesUsage();
    }
    const std::string folder = given->wordOf("--pol");
    std::optional<int> package;
    std::vector<std::pair<std::string, std::string>> edits;
    bool save = false;
    // --set and --save come after the --package they change.
    for (const auto& option : given->options) {
        if (option.name == "--package") {
            const auto index = parseInteger(option.words[0]);
            if (!index || *index < 0 || *index > 0x7FFFFFFF) {
                return packagesUsage();
            }
            package = static_cast<int>(*index);
        } else if (option.name == "--set" || option.name == "--save") {
            if (!package) {
                return packagesUsage();
            }
            if (option.name == "--save") {
                save = true;
            } else {
                edits.emplace_back(option.words[0], option.words[1]);
            }
        }
    }
    for (const auto& [field, value] : edits) {
        const bool known = (field == "enabled" && zeroOrOne(value)) || packageTextField(field);
        if (!known) {
            return packagesUsage();
        }
    }
    if (folder.empty()) {
        return packagesUsage();
    }
    admin::PackageManager manager{platform::pathFromText(folder)};
    manager.load();
    if (package) {
        if (auto refusal = manager.refuseEdit(
                *package < static_cast<int>(manager.packages().size()) ? *package : -1)) {
            return refused(*refusal);
        }
        auto form = manager.show(*package);
        if (!form) {
            return refused("Error");
        }
        for (const auto& [field, value] : edits) {
            if (field == "enabled") {
                form->enabled = value == "1";
            } else {
                (*form).*packageTextField(field) = value;
            }
        }
        if (save) {
            if (auto failure = manager.save(*package, *form)) {
                return refused(*failure);
            }
        }
    }
    for (const auto& entry : manager.packages()) {
        writeLine(stdout, entry.name + "\t" + relativeFolder(entry.folder, manager.serverFolder()));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace kaj::cli
