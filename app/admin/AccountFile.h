#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kaj::admin {

// One account of data/accounts.txt as the server reads it: the first line of each
// key it knows, the CProp lines, and every other line kept whole.
struct Account {
    std::string name;
    std::string password;
    std::optional<std::string> passwordHash;
    std::string enabled;  // the value as read, or the "1"/"0" of the last OK
    std::string banned;
    std::string cmdLevel;
    std::string privs;  // DefaultPrivs: names separated by blanks
    std::vector<std::string> cprops;
    std::vector<std::string> misc;
    // Which lines the account had when it was read: they are written again.
    bool hadPassword = false;
    bool hadEnabled = false;
    bool hadBanned = false;
    std::string loadedName;  // the name the stored hash was made with
};

struct AccountFile {
    bool byteOrderMark = false;
    std::vector<Account> accounts;
};

// The accounts of the file's lines, in file order. An account runs from a line
// whose key is "Account" to a line whose key is "}"; one never closed is dropped.
AccountFile parseAccounts(const std::vector<std::string>& lines);
// The lines of the accounts, each indented by one tab, no blank line between them.
std::vector<std::string> accountLines(const std::vector<const Account*>& accounts);

// Enabled and Banned as the server reads them: an absent line is its default.
bool isEnabled(const Account& account);
bool isBanned(const Account& account);

}  // namespace kaj::admin
