// data/accounts.txt over arbitrary bytes: the accounts as read are written and read
// again, and must come out the same, so a save changes nothing the server reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "AccountFile.h"
#include "FuzzFiles.h"
#include "TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    static const auto folder = fuzz::scratchFolder("accounts-fuzz");
    const auto file = folder / "accounts.txt";
    fuzz::writeFile(file, {data, size});
    const auto lines = platform::readTextLines(file);
    if (!lines) {
        return 0;
    }
    const auto first = admin::parseAccounts(*lines);
    std::vector<const admin::Account*> accounts;
    for (const auto& account : first.accounts) {
        accounts.push_back(&account);
        (void)admin::isEnabled(account);
        (void)admin::isBanned(account);
    }
    const auto written = admin::accountLines(accounts);
    const auto second = admin::parseAccounts(written);
    std::vector<const admin::Account*> again;
    for (const auto& account : second.accounts) {
        again.push_back(&account);
    }
    if (admin::accountLines(again) != written) {
        std::abort();
    }
    return 0;
}
