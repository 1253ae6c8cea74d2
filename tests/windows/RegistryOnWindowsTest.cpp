// kajcli.exe finding the client's folder through the real Windows registry, with
// the install key written by Wine's own reg.exe in either view.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "WindowsProcess.h"

namespace kaj::windows {
namespace {

using kaj::testing::runProgram;
using kaj::testing::TempFolder;
using kaj::testing::windowsPathOf;

constexpr const char* kInstallKey = "HKLM\\SOFTWARE\\Origin Worlds Online\\Ultima Online\\1.0";

struct RegistryOnWindows : ::testing::Test {
    TempFolder client;

    void SetUp() override {
        ASSERT_EQ(runProgram({windowsPathOf(KAJ_MKCLIENTDATA), client.path().string()}), 0);
        forgetInstall();
    }
    void TearDown() override { forgetInstall(); }

    static void forgetInstall() {
        for (const char* view : {"/reg:32", "/reg:64"}) {
            runProgram({"reg.exe", "delete", "HKLM\\SOFTWARE\\Origin Worlds Online", "/f", view});
        }
    }

    void install(const char* view) const {
        const std::string exePath = (client / "client.exe").string();
        ASSERT_EQ(runProgram({"reg.exe", "add", kInstallKey, "/v", "ExePath", "/t", "REG_SZ", "/d",
                              exePath, "/f", view}),
                  0);
    }

    static std::string kajcli(std::vector<std::string> arguments, int* status = nullptr) {
        arguments.insert(arguments.begin(), windowsPathOf(KAJ_KAJCLI));
        std::string output;
        const int exitStatus = runProgram(arguments, nullptr, &output);
        if (status != nullptr) {
            *status = exitStatus;
        }
        return output;
    }

    std::string renderArt(const std::string& out, bool namingTheClient) const {
        std::vector<std::string> arguments = {"render-art", "--type", "0",     "--index", "3",
                                              "--size",     "64x64",  "--out", out};
        if (namingTheClient) {
            arguments.insert(arguments.begin() + 1, {"--client", client.path().string()});
        }
        int status = -1;
        kajcli(arguments, &status);
        return status == 0 ? TempFolder::read(out) : std::string();
    }
};

TEST_F(RegistryOnWindows, TheClientFolderIsFoundInEitherViewOfTheRegistry) {
    TempFolder out;
    const std::string named = renderArt((out / "named.png").string(), true);
    const std::string height = kajcli({"map-height", "--client", client.path().string(), "9", "9"});
    ASSERT_FALSE(named.empty());
    ASSERT_NE(height, "0\n");

    EXPECT_NE(renderArt((out / "nothing.png").string(), false), named);
    EXPECT_NE(kajcli({"map-height", "9", "9"}), height);

    for (const char* view : {"/reg:32", "/reg:64"}) {
        SCOPED_TRACE(view);
        forgetInstall();
        install(view);
        EXPECT_EQ(renderArt((out / "found.png").string(), false), named);
        EXPECT_EQ(kajcli({"map-height", "9", "9"}), height);
    }
}

}  // namespace
}  // namespace kaj::windows
