#include <gtest/gtest.h>

#include "RunProgram.h"
#include "TempFolder.h"

namespace kaj::testing {
namespace {

struct AdminCliFixture : ::testing::Test {
    TempFolder pol;
    std::string errors;
    std::string output;

    int run(const char* command, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {KAJ_KAJCLI, command, "--pol", pol.path().string()});
        return runProgram(arguments, &errors, &output);
    }
};

TEST_F(AdminCliFixture, AccountsAreListedEditedAndSavedAsTheWindowDoesIt) {
    const std::string original = "Account\n{\n\tName\tadmin\n\tPassword\tadmin\n}\n";
    pol.write("data/accounts.txt", original);
    EXPECT_EQ(run("accounts", {}), 0);
    EXPECT_EQ(output, "admin\n");
    EXPECT_EQ(run("accounts", {"--new", "bob", "pw", "--set", "admin", "privs", "invul,showadv",
                               "--set", "admin", "misc", "UOExpansion TOL\\nLanguage ENU", "--set",
                               "bob", "banned", "1", "--save"}),
              0)
        << errors;
    EXPECT_EQ(output, "admin\nbob\n");
    EXPECT_EQ(TempFolder::read(pol / "data/accounts.old"), original);
    EXPECT_EQ(TempFolder::read(pol / "data/accounts.txt"),
              "Account\r\n{\r\n\tName admin\r\n\tPassword admin\r\n\tEnabled 1\r\n\tBanned 0\r\n"
              "\tDefaultPrivs invul showadv \r\n\tUOExpansion TOL\r\n\tLanguage ENU\r\n}\r\n"
              "Account\r\n{\r\n\tName bob\r\n\tPassword pw\r\n\tEnabled 1\r\n\tBanned 1\r\n}\r\n");
    EXPECT_EQ(run("accounts", {"--delete", "bob", "--save"}), 0);
    EXPECT_EQ(output, "admin\n");
}

TEST_F(AdminCliFixture, ARefusedEditPrintsWhyAndSavesNothing) {
    const std::string original = "Account\n{\nName admin\nPassword a\n}\n";
    pol.write("data/accounts.txt", original);
    EXPECT_EQ(run("accounts", {"--new", "carl", "x", "--new", "ADMIN", "y", "--save"}), 1);
    EXPECT_EQ(errors, "There is already an account named ADMIN.\n");
    EXPECT_EQ(output, "");
    EXPECT_EQ(run("accounts", {"--set", "admin", "privs", "invul,seeghosts", "--save"}), 1);
    EXPECT_EQ(errors, "The privilege seeghosts is not in the list.\n");
    EXPECT_EQ(run("accounts", {"--set", "nobody", "name", "x"}), 1);
    EXPECT_EQ(errors, "You must first select an account to Edit\n");
    EXPECT_EQ(TempFolder::read(pol / "data/accounts.txt"), original);
    EXPECT_EQ(run("accounts", {"--set", "admin", "enabled", "yes"}), 2);
}

TEST_F(AdminCliFixture, PackagesAreListedWithTheirFoldersAndOneIsSaved) {
    pol.write("pkg.cfg", "Enabled 1\nName root\n");
    pol.write("pkg/Tools/pkg.cfg", "#Requires none\nEnabled 1\nName tools\nCreator me\n");
    EXPECT_EQ(run("packages", {}), 0);
    EXPECT_EQ(output, "root\t./\ntools\tpkg/Tools/\n");
    EXPECT_EQ(run("packages", {"--package", "1", "--set", "enabled", "0", "--set", "requires",
                               "root", "--save"}),
              0)
        << errors;
    EXPECT_EQ(TempFolder::read(pol / "pkg/Tools/pkg.cfg"),
              "Enabled 0\r\nName tools\r\nRequires root\r\nCreator me\r\n");
    EXPECT_EQ(run("packages", {"--package", "1", "--set", "corerequired", "abc", "--save"}), 1);
    EXPECT_EQ(errors, "The Core Required must begin with a digit, as in 100 or 100.1.0.\n");
    EXPECT_EQ(run("packages", {"--package", "5", "--save"}), 1);
    EXPECT_EQ(run("packages", {"--set", "name", "x"}), 2);
}

}  // namespace
}  // namespace kaj::testing
