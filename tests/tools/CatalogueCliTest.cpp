#include <gtest/gtest.h>

#include "RunProgram.h"
#include "TempFolder.h"

namespace kaj::testing {
namespace {

TEST(CatalogueCli, PrintsTheRecordsThenTheTreeAndTheMessagesOnStandardError) {
    TempFolder server;
    server.write("config/itemdesc.cfg", "Item 0x1\n{\n\tName\tstone\n}\n");
    server.write("pkg/a/pkg.cfg", "Enabled 1\nName\n");
    server.write("pkg/b/pkg.cfg", "Enabled 1\nName tools\n");
    server.write("pkg/b/config/itemdesc.cfg", "Item 0x2\n{\n}\n");
    std::string errors;
    std::string output;
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "items", "--pol", server.path().string(), "--tree"}, &errors,
                         &output),
              0);
    EXPECT_EQ(output,
              "Items|Misc|stone|0x1|0x1|0\n"
              "Packages|tools|Unnamed|0x2|0x2|0\n"
              "--\n"
              "Custom [Custom]\n"
              "  Items [Items]\n"
              "    Misc\n"
              "  Packages [Packages]\n"
              "    tools\n");
    EXPECT_EQ(errors, "pkg.cfg is invalid please remove any tabs in it.\n");
}

TEST(CatalogueCli, ReadsTheScriptFilesOfAProgramFolder) {
    TempFolder program;
    program.write("KajChar.scp", "Town|Guards|guard|0x190|0\r\nshort\r\n");
    std::string errors;
    std::string output;
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "npcs", "--scripts", program.path().string(), "--tree"},
                         &errors, &output),
              0);
    EXPECT_EQ(output,
              "Town|Guards|guard|0x190|0\nshort\n--\nNPCs [NPCs]\n  Town [Town]\n    Guards\n");
    EXPECT_EQ(errors, "");
    EXPECT_EQ(
        runProgram({KAJ_KAJCLI, "items", "--scripts", program.path().string()}, &errors, &output),
        0);
    EXPECT_EQ(output, "");
    EXPECT_EQ(errors, "KajItems.scp does not exist!\n");
    EXPECT_EQ(runProgram({KAJ_KAJCLI, "items", "--tree"}, &errors), 2);
}

}  // namespace
}  // namespace kaj::testing
