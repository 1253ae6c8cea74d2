#include "AsciiCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kaj::platform {
namespace {

TEST(AsciiCase, FoldsATillZOnlyAndSortsByTheFoldedBytes) {
    EXPECT_EQ(foldAsciiCase("AbZ[\xC9\xE9"), "abz[\xC9\xE9");
    EXPECT_TRUE(equalsIgnoringAsciiCase("Orc Captain", "oRC cAPTAIN"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("\xC9t\xE9", "\xE9t\xE9"));

    std::vector<std::string> names = {"beta", "\xE9t\xE9", "Zed", "_under", "alpha", "Alpha2", "b"};
    std::stable_sort(names.begin(), names.end(), lessIgnoringAsciiCase);
    EXPECT_EQ(names, (std::vector<std::string>{"_under", "alpha", "Alpha2", "b", "beta", "Zed",
                                               "\xE9t\xE9"}));

    EXPECT_EQ(findIgnoringAsciiCase("the NpcTemplate orc", "npctemplate"), 4u);
    EXPECT_EQ(findIgnoringAsciiCase("abc", ""), 0u);
    EXPECT_EQ(findIgnoringAsciiCase("", "a"), std::string_view::npos);
    EXPECT_EQ(findIgnoringAsciiCase("ab", "abc"), std::string_view::npos);
    EXPECT_TRUE(startsWithIgnoringAsciiCase("ENABLED 1", "enabled"));
    EXPECT_FALSE(startsWithIgnoringAsciiCase(" Enabled 1", "enabled"));
}

}  // namespace
}  // namespace kaj::platform
