#include "AccountFile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "AccountEditor.h"
#include "ServerConfigLine.h"
#include "ServerReader.h"
#include "TextFile.h"

namespace kaj::admin {
namespace {

using Lines = std::vector<std::string>;
using kaj::testing::readServerElements;

std::string bytesOf(const Lines& lines, bool mark = false) {
    std::string bytes = mark ? std::string(pol::kByteOrderMark) : std::string();
    for (const auto& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

std::vector<const Account*> pointers(const AccountFile& file) {
    std::vector<const Account*> out;
    for (const auto& account : file.accounts) {
        out.push_back(&account);
    }
    return out;
}

// The file read and written back, as the server reads both.
void expectReadAsBefore(const std::string& original) {
    const auto file = parseAccounts(platform::splitLines(original));
    const auto written = bytesOf(accountLines(pointers(file)), file.byteOrderMark);
    const auto before = readServerElements(original);
    const auto after = readServerElements(written);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(kaj::testing::lower(after[i].type), kaj::testing::lower(before[i].type));
        EXPECT_EQ(after[i].values, before[i].values) << "account " << i;
    }
}

TEST(AccountFile, LinesAreClassifiedByTheirKeysNotByWhatTheyContain) {
    const std::string text =
        "Account\n{\n"
        "\tName=admin\n"
        "\tPasswordHash\tf6fd\n"
        "\tPassword  se\tcret \n"
        "\tCProp\tBannedName\tsAccount\n"
        "\tName\tsecond\n"
        "\tEnabled\t1\n"
        "\tUOExpansion\tTOL\n"
        "# a comment\n"
        "}\n";
    const auto file = parseAccounts(platform::splitLines(text));
    ASSERT_EQ(file.accounts.size(), 1u);
    const Account& a = file.accounts[0];
    EXPECT_EQ(a.name, "admin");
    EXPECT_EQ(a.password, "se\tcret");
    EXPECT_EQ(a.passwordHash, "f6fd");
    EXPECT_EQ(a.cprops, Lines{"CProp\tBannedName\tsAccount"});
    EXPECT_EQ(a.misc, (Lines{"Name\tsecond", "UOExpansion\tTOL", "# a comment"}));
    EXPECT_TRUE(a.banned.empty());
    expectReadAsBefore(text);
}

TEST(AccountFile, AccountsAreOpenedAndClosedByKeysAndAnUnclosedOneIsDropped) {
    const std::string text =
        "junk before\nAccount\n{\nName lost\nAccount\n{\n  Name kept\n  } // closed\n"
        "account\n{\nName lower\n}\nAccount\n{\nName open\n";
    const auto file = parseAccounts(platform::splitLines(text));
    ASSERT_EQ(file.accounts.size(), 2u);
    EXPECT_EQ(file.accounts[0].name, "kept");
    EXPECT_EQ(file.accounts[1].name, "lower");
}

TEST(AccountFile, EnabledAndBannedReadAsTheServerReadsNumbers) {
    struct Row {
        const char* line;
        bool enabled;
    };
    const Row rows[] = {{"", true},           {"Enabled 1", true},     {"Enabled 0x1", true},
                        {"Enabled 2", true},  {"Enabled -1", true},    {"Enabled", false},
                        {"Enabled 0", false}, {"Enabled true", false}, {"Enabled 08", false},
                        {"Enabled 0x", false}};
    for (const auto& row : rows) {
        const auto file = parseAccounts(platform::splitLines(
            std::string("Account\n{\nName a\n") + row.line + "\nBanned " + row.line + "\n}\n"));
        ASSERT_EQ(file.accounts.size(), 1u);
        EXPECT_EQ(isEnabled(file.accounts[0]), row.enabled) << row.line;
    }
    const auto noLines = parseAccounts(platform::splitLines("Account\n{\nName a\n}\n"));
    EXPECT_FALSE(isBanned(noLines.accounts[0]));
    // Written back, an account without the lines keeps the server's defaults.
    EXPECT_EQ(accountLines(pointers(noLines)), (Lines{"Account", "{", "\tName a", "}"}));
}

TEST(AccountFile, PrivilegesAreTickedInExactCaseAndTheOthersAreKept) {
    const auto ticked = tickedPrivileges("ClotheAny dyeany  seeghosts\tinvul all");
    EXPECT_FALSE(ticked[0]);
    EXPECT_TRUE(ticked[1]);
    EXPECT_TRUE(ticked[2]);
    EXPECT_FALSE(ticked[3]);
    std::array<bool, kPrivileges.size()> chosen{};
    chosen[3] = chosen[6] = true;
    EXPECT_EQ(privilegesText(chosen, "ClotheAny dyeany seeghosts invul all"),
              "moveany showadv ClotheAny seeghosts all ");
    EXPECT_EQ(privilegesText({}, ""), "");
}

TEST(AccountFile, AByteOrderMarkIsSkippedAndWrittenBack) {
    const std::string text = std::string(pol::kByteOrderMark) + "Account\n{\nName bom\n}\n";
    const auto file = parseAccounts(platform::splitLines(text));
    ASSERT_EQ(file.accounts.size(), 1u);
    EXPECT_TRUE(file.byteOrderMark);
    expectReadAsBefore(text);
}

TEST(AccountFile, EverySampleAccountFileReadsAsBeforeAfterASave) {
    const std::filesystem::path samples = KAJ_SAMPLES_FOLDER;
    if (!std::filesystem::exists(samples)) {
        GTEST_SKIP() << "no POL samples beside the checkout (" << samples << ")";
    }
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(samples)) {
        const auto name = kaj::testing::lower(entry.path().filename().string());
        if (entry.is_regular_file() && name.find("accounts") != std::string::npos &&
            name.ends_with(".txt")) {
            SCOPED_TRACE(entry.path().string());
            expectReadAsBefore(kaj::testing::TempFolder::read(entry.path()));
            ++files;
        }
    }
    EXPECT_GE(files, 3);
}

}  // namespace
}  // namespace kaj::admin
