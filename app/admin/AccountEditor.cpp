#include "AccountEditor.h"

#include <algorithm>
#include <sstream>

#include "AsciiCase.h"
#include "BackedUpWrite.h"
#include "CommandLevels.h"
#include "FileLookup.h"
#include "ServerConfigLine.h"
#include "TextFile.h"

namespace kaj::admin {
namespace {

// A Yes/No choice as the form keeps it. Made as a string and moved in: GCC 12 at -O2
// imagines an overlap in assigning a one-letter literal (-Wrestrict).
std::string choiceText(bool yes) {
    return std::string(1, yes ? '1' : '0');
}

using platform::equalsIgnoringAsciiCase;

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;) {
        out.push_back(word);
    }
    return out;
}

bool isListed(const std::string& word) {
    return std::any_of(kPrivileges.begin(), kPrivileges.end(),
                       [&](const char* privilege) { return word == privilege; });
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        if (!text.empty()) {
            text += "\r\n";
        }
        text += line;
    }
    return text;
}

// The lines of a multi-line field, trimmed, the empty ones left out.
std::vector<std::string> fieldLines(const std::string& text) {
    std::vector<std::string> lines;
    for (auto& line : platform::splitLines(text)) {
        if (auto trimmed = pol::trimmedLine(line); !trimmed.empty()) {
            lines.push_back(std::move(trimmed));
        }
    }
    return lines;
}

bool hasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

// A line the account's element cannot hold without ending or splitting.
std::optional<std::string> badElementLine(const std::vector<std::string>& lines,
                                          const char* label) {
    for (const auto& line : lines) {
        const auto key = pol::splitConfigLine(line).key;
        if (key == "}" || key.starts_with("{") || equalsIgnoringAsciiCase(key, "Account")) {
            return std::string("The ") + label +
                   " lines cannot begin with \"}\", \"{\" or \"Account\".";
        }
    }
    return std::nullopt;
}

}  // namespace

std::array<bool, kPrivileges.size()> tickedPrivileges(const std::string& privs) {
    std::array<bool, kPrivileges.size()> ticked{};
    const auto names = words(privs);
    for (std::size_t i = 0; i < kPrivileges.size(); ++i) {
        ticked[i] = std::find(names.begin(), names.end(), kPrivileges[i]) != names.end();
    }
    return ticked;
}

std::string privilegesText(const std::array<bool, kPrivileges.size()>& ticked,
                           const std::string& previous) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kPrivileges.size(); ++i) {
        if (ticked[i]) {
            names.emplace_back(kPrivileges[i]);
        }
    }
    for (auto& word : words(previous)) {
        if (!isListed(word)) {
            names.push_back(std::move(word));
        }
    }
    // Each name is followed by one blank, as older tools wrote the line.
    std::string text;
    for (const auto& name : names) {
        text += name + " ";
    }
    return text;
}

AccountEditor::AccountEditor(std::filesystem::path serverFolder)
    : serverFolder_(std::move(serverFolder)), levels_(admin::commandLevels(serverFolder_)) {}

void AccountEditor::setServerFolder(std::filesystem::path serverFolder) {
    serverFolder_ = std::move(serverFolder);
}

std::filesystem::path AccountEditor::accountsFile() const {
    if (auto found = platform::findCaseInsensitive(serverFolder_, "data/accounts.txt",
                                                   platform::EntryKind::File)) {
        return *found;
    }
    return serverFolder_ / "data" / "accounts.txt";
}

std::optional<std::string> AccountEditor::load() {
    entries_.clear();
    pending_.reset();
    levels_ = admin::commandLevels(serverFolder_);
    const auto lines = platform::readTextLines(accountsFile());
    if (!lines) {
        return kAccountsMissing;
    }
    auto file = parseAccounts(*lines);
    byteOrderMark_ = file.byteOrderMark;
    // Records of earlier loads stay; the list names the new ones.
    for (auto& account : file.accounts) {
        entries_.push_back({account.name, records_.size()});
        records_.push_back(std::move(account));
    }
    return std::nullopt;
}

std::vector<std::string> AccountEditor::entryTexts() const {
    std::vector<std::string> texts;
    for (const auto& entry : entries_) {
        texts.push_back(entry.text);
    }
    return texts;
}

const Account* AccountEditor::account(int entry) const {
    if (entry < 0 || static_cast<std::size_t>(entry) >= entries_.size()) {
        return nullptr;
    }
    return &records_[entries_[static_cast<std::size_t>(entry)].record];
}

AccountForm AccountEditor::show(int entry) const {
    AccountForm form;
    const Account* a = account(entry);
    if (a == nullptr) {
        form.enabled = choiceText(true);
        form.banned = choiceText(false);
        return form;
    }
    form.name = a->name;
    form.password = a->password;
    form.enabled = choiceText(isEnabled(*a));
    form.banned = choiceText(isBanned(*a));
    form.cmdLevel = a->cmdLevel;
    form.privileges = tickedPrivileges(a->privs);
    form.cprops = joinLines(a->cprops);
    form.misc = joinLines(a->misc);
    return form;
}

std::optional<std::string> AccountEditor::refuseEdit(int selected) const {
    if (entries_.empty()) {
        return "You must load the accounts first, then select an account to Edit";
    }
    if (selected < 0) {
        return "You must first select an account to Edit";
    }
    return std::nullopt;
}

std::optional<std::string> AccountEditor::refuseDelete(int selected) const {
    if (entries_.empty()) {
        return "You must load the accounts first, then select an account to delete";
    }
    if (selected < 0) {
        return "You must first select an account to delete";
    }
    return std::nullopt;
}

std::optional<std::string> AccountEditor::refuseNew() const {
    if (entries_.empty()) {
        return "You must load the accounts first, then select new account";
    }
    return std::nullopt;
}

AccountEditor::Added AccountEditor::addPending(const std::string& name) {
    for (const auto& entry : entries_) {
        if (equalsIgnoringAsciiCase(records_[entry.record].name, name)) {
            return {std::nullopt, "There is already an account named " + name + "."};
        }
    }
    Account account;
    account.name = account.loadedName = name;
    account.enabled = choiceText(true);
    account.banned = choiceText(false);
    records_.push_back(std::move(account));
    entries_.push_back({name, records_.size() - 1});
    pending_ = entries_.size() - 1;
    return {static_cast<int>(entries_.size() - 1), {}};
}

std::optional<std::string> AccountEditor::refusal(std::size_t record,
                                                  const AccountForm& form) const {
    const Account& a = records_[record];
    const std::pair<const char*, const std::string*> singleLine[] = {
        {"Account Name", &form.name},
        {"Password", &form.password},
        {"DefaultCMDLevel", &form.cmdLevel}};
    for (const auto& [label, text] : singleLine) {
        if (hasLineBreak(*text)) {
            return std::string("The ") + label + " cannot contain a line break.";
        }
    }
    if (form.password.empty() && !a.passwordHash) {
        return "An account needs a password.";
    }
    if (form.password.empty() && !a.hadPassword && a.passwordHash && form.name != a.loadedName) {
        return "Type a new password: the stored one only works with the old name.";
    }
    for (const auto& entry : entries_) {
        if (entry.record != record &&
            equalsIgnoringAsciiCase(records_[entry.record].name, form.name)) {
            return "There is already an account named " + form.name + ".";
        }
    }
    if (!form.cmdLevel.empty() &&
        std::none_of(levels_.begin(), levels_.end(), [&](const std::string& level) {
            return equalsIgnoringAsciiCase(level, form.cmdLevel);
        })) {
        std::string known;
        for (const auto& level : levels_) {
            known += (known.empty() ? "" : ", ") + level;
        }
        return "The command level " + form.cmdLevel + " is not one the server knows: " + known +
               ".";
    }
    if (auto bad = badElementLine(fieldLines(form.cprops), "CProps")) {
        return bad;
    }
    return badElementLine(fieldLines(form.misc), "Miscellaneous");
}

std::optional<std::string> AccountEditor::apply(int entry, const AccountForm& form) {
    if (entry < 0 || static_cast<std::size_t>(entry) >= entries_.size()) {
        return "You must first select an account to Edit";
    }
    const std::size_t record = entries_[static_cast<std::size_t>(entry)].record;
    if (auto refused = refusal(record, form)) {
        return refused;
    }
    Account& a = records_[record];
    a.name = form.name;
    a.password = form.password;
    if (!form.enabled.empty()) {
        a.enabled = form.enabled;
    }
    if (!form.banned.empty()) {
        a.banned = form.banned;
    }
    a.cmdLevel = form.cmdLevel;
    a.privs = privilegesText(form.privileges, a.privs);
    a.cprops = fieldLines(form.cprops);
    a.misc = fieldLines(form.misc);
    pending_.reset();
    return std::nullopt;
}

void AccountEditor::cancel() {
    if (pending_ && *pending_ < entries_.size()) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*pending_));
    }
    pending_.reset();
}

void AccountEditor::remove(int entry) {
    if (entry < 0 || static_cast<std::size_t>(entry) >= entries_.size()) {
        return;
    }
    entries_.erase(entries_.begin() + entry);
    if (pending_) {
        if (*pending_ == static_cast<std::size_t>(entry)) {
            pending_.reset();
        } else if (*pending_ > static_cast<std::size_t>(entry)) {
            --*pending_;
        }
    }
}

std::optional<std::string> AccountEditor::save() const {
    if (pending_) {
        return "Finish the new account with OK or Cancel before saving.";
    }
    std::vector<const Account*> accounts;
    for (const auto& entry : entries_) {
        accounts.push_back(&records_[entry.record]);
    }
    const auto file = accountsFile();
    auto backup = file;
    backup.replace_filename("accounts.old");
    return writeWithBackup(file, backup, accountLines(accounts), byteOrderMark_);
}

ListSearch::Outcome AccountEditor::search(const std::string& text) {
    return search_.search(entryTexts(), text);
}

ListSearch::Outcome AccountEditor::searchAgain() {
    return search_.searchAgain(entryTexts());
}

}  // namespace kaj::admin
