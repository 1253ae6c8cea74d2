#include "AccountFile.h"

#include "AsciiCase.h"
#include "ServerConfigLine.h"

namespace kaj::admin {
namespace {

using platform::equalsIgnoringAsciiCase;

struct Seen {
    bool name = false;
    bool password = false;
    bool hash = false;
    bool enabled = false;
    bool banned = false;
    bool cmdLevel = false;
    bool privs = false;
};

// Fills the field of a key the account reads once; false when the line is not
// the first of such a key.
bool takeField(Account& account, Seen& seen, const pol::ConfigLine& line) {
    auto first = [&](const char* key, bool& flag) {
        if (flag || !equalsIgnoringAsciiCase(line.key, key)) {
            return false;
        }
        flag = true;
        return true;
    };
    if (first("Name", seen.name)) {
        account.name = account.loadedName = line.value;
    } else if (first("Password", seen.password)) {
        account.password = line.value;
        account.hadPassword = true;
    } else if (first("PasswordHash", seen.hash)) {
        account.passwordHash = line.value;
    } else if (first("Enabled", seen.enabled)) {
        account.enabled = line.value;
        account.hadEnabled = true;
    } else if (first("Banned", seen.banned)) {
        account.banned = line.value;
        account.hadBanned = true;
    } else if (first("DefaultCmdLevel", seen.cmdLevel)) {
        account.cmdLevel = line.value;
    } else if (first("DefaultPrivs", seen.privs)) {
        account.privs = line.value;
    } else {
        return false;
    }
    return true;
}

}  // namespace

AccountFile parseAccounts(const std::vector<std::string>& lines) {
    AccountFile file;
    std::optional<Account> open;
    Seen seen;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view text = lines[i];
        if (i == 0 && text.starts_with(pol::kByteOrderMark)) {
            file.byteOrderMark = true;
            text.remove_prefix(pol::kByteOrderMark.size());
        }
        const pol::ConfigLine line = pol::splitConfigLine(text);
        if (equalsIgnoringAsciiCase(line.key, "Account")) {
            open.emplace();
            seen = {};
            continue;
        }
        if (!open || line.key.empty() || line.key.starts_with("{")) {
            continue;
        }
        if (line.key == "}") {
            file.accounts.push_back(std::move(*open));
            open.reset();
            continue;
        }
        if (takeField(*open, seen, line)) {
            continue;
        }
        (equalsIgnoringAsciiCase(line.key, "CProp") ? open->cprops : open->misc)
            .push_back(pol::trimmedLine(text));
    }
    return file;
}

std::vector<std::string> accountLines(const std::vector<const Account*>& accounts) {
    std::vector<std::string> lines;
    for (const Account* account : accounts) {
        const Account& a = *account;
        lines.emplace_back("Account");
        lines.emplace_back("{");
        lines.push_back("\tName " + a.name);
        if (a.hadPassword || !a.password.empty()) {
            lines.push_back("\tPassword " + a.password);
        }
        if (a.passwordHash) {
            lines.push_back("\tPasswordHash " + *a.passwordHash);
        }
        if (a.hadEnabled || !a.enabled.empty()) {
            lines.push_back("\tEnabled " + a.enabled);
        }
        if (a.hadBanned || !a.banned.empty()) {
            lines.push_back("\tBanned " + a.banned);
        }
        if (!a.cmdLevel.empty()) {
            lines.push_back("\tDefaultCmdLevel " + a.cmdLevel);
        }
        if (!a.privs.empty()) {
            lines.push_back("\tDefaultPrivs " + a.privs);
        }
        for (const auto* group : {&a.cprops, &a.misc}) {
            for (const auto& line : *group) {
                lines.push_back("\t" + line);
            }
        }
        lines.emplace_back("}");
    }
    return lines;
}

bool isEnabled(const Account& account) {
    const bool written = account.hadEnabled || !account.enabled.empty();
    return !written || pol::serverNumber(account.enabled) != 0;
}

bool isBanned(const Account& account) {
    const bool written = account.hadBanned || !account.banned.empty();
    return written && pol::serverNumber(account.banned) != 0;
}

}  // namespace kaj::admin
