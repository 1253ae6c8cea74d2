#include "PathText.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace kaj::platform {
namespace {

TEST(PathText, OnlyWellFormedUtf8CountsAsUtf8) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("C:\\UO\\"));
    EXPECT_TRUE(isValidUtf8("\xD0\x90\xD0\xBD\xD0\xB4\xD1\x80\xD0\xB5\xD0\xB9"));  // Андрей
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x97\xBA"));                                  // a map, U+1F5FA
    EXPECT_FALSE(isValidUtf8("Jeux d'\xE9t\xE9"));  // Windows-1252 é
    EXPECT_FALSE(isValidUtf8("\xC3"));              // cut short
    EXPECT_FALSE(isValidUtf8("\xC3\x28"));          // a lead without its follower
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // "/" in two bytes
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));      // "/" in three bytes
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // a UTF-16 surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("\x80"));              // a follower alone
}

TEST(PathText, AFileWrittenByAnOlderConsoleReadsAsWindows1252) {
    EXPECT_EQ(pathTextFromFile("D:\\Gry\\\xC5\x81\xC3\xB3\x64\xC5\xBA"),
              "D:\\Gry\\\xC5\x81\xC3\xB3\x64\xC5\xBA");
    EXPECT_EQ(pathTextFromFile("C:\\Jeux d'\xE9t\xE9"), "C:\\Jeux d'\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(pathTextFromFile("C:\\UO\\"), "C:\\UO\\");
    EXPECT_EQ(pathInMessage(pathFromText("C:\\Jeux d'\xC3\xA9t\xC3\xA9\\\xD0\x90")),
              "C:\\Jeux d'\xE9t\xE9\\?");
}

TEST(PathText, AFolderNamedInAnyScriptIsMadeAndFoundUnderTheSameText) {
    kaj::testing::TempFolder root;
    for (const char* name :
         {"Jeux d'\xC3\xA9t\xC3\xA9", "\xD0\x90\xD0\xBD\xD0\xB4\xD1\x80\xD0\xB5\xD0\xB9",
          "Gry \xC5\x81\xC3\xB3\x64\xC5\xBA", "\xCE\x9A\xCF\x8C\xCF\x83\xCE\xBC\xCE\xBF\xCF\x82"}) {
        const std::string text = textOfPath(root.path()) + "/" + name;
        ASSERT_TRUE(std::filesystem::create_directory(pathFromText(text))) << text;
        EXPECT_EQ(textOfPath(pathFromText(text)), text);
        bool listed = false;
        for (const auto& entry : std::filesystem::directory_iterator(root.path())) {
            listed = listed || textOfPath(entry.path().filename()) == name;
        }
        EXPECT_TRUE(listed) << name;
    }
}

}  // namespace
}  // namespace kaj::platform
