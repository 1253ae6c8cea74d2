#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "AccountFile.h"
#include "ListSearch.h"

namespace kaj::admin {

// The privileges the Account Manager's list shows, in its order.
constexpr std::array<const char*, 7> kPrivileges = {
    "clotheany", "dyeany", "invul", "moveany", "renameany", "seeinvisitems", "showadv"};

// What the Account Parameters frame shows of one account.
struct AccountForm {
    std::string name;
    std::string password;
    std::string enabled;  // "1" Yes, "0" No, "" neither chosen
    std::string banned;
    std::string cmdLevel;
    std::array<bool, kPrivileges.size()> privileges{};
    std::string cprops;  // lines separated by CR LF
    std::string misc;
};

// The Account Manager's work on data/accounts.txt of a server folder: the list of
// accounts, showing, editing, adding and deleting one, searching, and saving with
// a backup. The window and kajcli drive it alike; what it refuses it says why.
class AccountEditor {
  public:
    struct Entry {
        std::string text;    // as the list shows it; a renamed account keeps it
        std::size_t record;  // which account
    };

    explicit AccountEditor(std::filesystem::path serverFolder);
    // The folder the next Load Accounts reads (the setting may have changed).
    void setServerFolder(std::filesystem::path serverFolder);

    // Load Accounts: the list anew from the file; the message when it is missing.
    std::optional<std::string> load();
    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<std::string> entryTexts() const;
    // The account of a list entry as the frame shows it; a new account's defaults
    // for -1 or an entry that has no account yet.
    AccountForm show(int entry) const;

    // The messages of Edit Account, Delete Acct and New Acct when they cannot go on.
    std::optional<std::string> refuseEdit(int selected) const;
    std::optional<std::string> refuseDelete(int selected) const;
    std::optional<std::string> refuseNew() const;

    // New Acct with the name typed at the prompt: a pending entry at the end of the
    // list, selected; its index, or the refusal.
    struct Added {
        std::optional<int> entry;
        std::string refusal;
    };
    Added addPending(const std::string& name);
    bool hasPending() const { return pending_.has_value(); }
    // OK: the frame's fields into the entry's account, or why not.
    std::optional<std::string> apply(int entry, const AccountForm& form);
    // Cancel: a pending new account goes from the list.
    void cancel();
    void remove(int entry);
    // Save Accounts after its question was answered Yes: accounts.old, then the file.
    std::optional<std::string> save() const;

    ListSearch::Outcome search(const std::string& text);
    ListSearch::Outcome searchAgain();

    const std::vector<std::string>& commandLevels() const { return levels_; }
    std::filesystem::path accountsFile() const;
    const Account* account(int entry) const;

  private:
    std::optional<std::string> refusal(std::size_t record, const AccountForm& form) const;

    std::filesystem::path serverFolder_;
    std::vector<Account> records_;
    std::vector<Entry> entries_;
    std::optional<std::size_t> pending_;  // the entry New Acct added, until OK or Cancel
    bool byteOrderMark_ = false;
    ListSearch search_{"You must load the accounts first"};
    std::vector<std::string> levels_;
};

constexpr const char* kAccountsMissing = "accounts.txt does not exist!";
constexpr const char* kSaveAccountsQuestion =
    "Are you sure you want to save the account file?\r\nA backup will be made under the name "
    "of\r\naccounts.old ";

// The privileges ticked in a DefaultPrivs value: its names in exactly the list's case.
std::array<bool, kPrivileges.size()> tickedPrivileges(const std::string& privs);
// DefaultPrivs after OK: the ticked names in list order, then the names the list
// does not show, as they were.
std::string privilegesText(const std::array<bool, kPrivileges.size()>& ticked,
                           const std::string& previous);

}  // namespace kaj::admin
