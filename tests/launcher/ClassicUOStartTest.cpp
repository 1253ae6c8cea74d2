#include "ClassicUOStart.h"

#include <gtest/gtest.h>

namespace kaj::launcher {
namespace {

TEST(ClassicUOStart, ItsProgramNamesAreKnownInAnyCase) {
    for (const char* path : {"C:\\Games\\CUO\\ClassicUO.exe", "/opt/cuo/ClassicUO",
                             "/opt/cuo/classicuo.bin.x86_64", "./CLASSICUO.SH"}) {
        EXPECT_TRUE(isClassicUO(path)) << path;
    }
    for (const char* path :
         {"/opt/uo/client.exe", "/opt/ClassicUO/client.exe", "ClassicUO.exe.bak", "MyClassicUO"}) {
        EXPECT_FALSE(isClassicUO(path)) << path;
    }
}

TEST(ClassicUOStart, ThePasswordIsXoredWithTheMachineNameAsHex) {
    // 'a' ^ 'K' = 0x2A, 'b' ^ 'a' = 0x03, 'c' ^ 'K' (the name repeats) = 0x28
    EXPECT_EQ(classicUOPassword("abc", "Ka"), "1-2A0328");
    EXPECT_EQ(classicUOPassword("", "Ka"), "");
    EXPECT_EQ(classicUOPassword("abc", ""), "abc");
    EXPECT_EQ(classicUOPassword("\xFF", "\x0F"), "1-F0");
}

TEST(ClassicUOStart, TheSettingsHoldTheShardAsJsonAndNotThePasswordInClear) {
    const ShardFields shard{"Zeta \"1\"", "10.0.0.9", "2593", "g\\m", "secret", "/opt/ClassicUO"};
    // The folder is a path text (UTF-8), the shard's texts are Windows-1252.
    const std::string json = classicUOSettings(shard, "/home/gm/uo/\xC3\xA9", "host");
    EXPECT_NE(json.find("\"username\": \"g\\\\m\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"ip\": \"10.0.0.9\""), std::string::npos);
    EXPECT_NE(json.find("\"port\": \"2593\""), std::string::npos);
    EXPECT_NE(json.find("\"ultimaonlinedirectory\": \"/home/gm/uo/\xC3\xA9\""), std::string::npos);
    EXPECT_NE(json.find("\"password\": \"" + classicUOPassword("secret", "host") + "\""),
              std::string::npos);
    EXPECT_EQ(json.find("secret"), std::string::npos);
    EXPECT_EQ(classicUOSettingsFile("/kaj", "Zeta \"1\"").filename(), "classicuo-Zeta__1_.json");
    EXPECT_EQ(classicUOArguments("/kaj/s.json", shard, "/uo/"),
              (std::vector<std::string>{"-settings", "/kaj/s.json", "-ip", "10.0.0.9", "-port",
                                        "2593", "-username", "g\\m", "-uopath", "/uo/"}));
}

TEST(ClassicUOStart, AValueThatLooksLikeAnOptionIsRefused) {
    ShardFields shard{"Z", "1.2.3.4", "5003", "-admin", "pw", "ClassicUO"};
    EXPECT_EQ(classicUORefusal(shard, "/uo/"),
              "The Account begins with \"-\", which ClassicUO would read as an option of its own: "
              "it cannot be handed over on ClassicUO's command line.");
    shard.account = "admin";
    shard.password = "-pw";  // the password goes into the settings file, not the command line
    EXPECT_EQ(classicUORefusal(shard, "/uo/"), std::nullopt);
}

}  // namespace
}  // namespace kaj::launcher
