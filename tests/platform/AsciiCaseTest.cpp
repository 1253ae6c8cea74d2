#include "AsciiCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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

// The table-driven folding, comparing and finding agree with their definitions on
// every byte value, in texts random and alike but for letter case.
TEST(AsciiCase, TheFastPathsAgreeWithTheDefinitionsOnEveryByte) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(foldAsciiCase(static_cast<char>(c)), fold(static_cast<char>(c))) << c;
    }
    std::mt19937 random(7);
    auto text = [&](std::size_t size) {
        std::string t(size, ' ');
        for (auto& c : t) {
            c = "aAbB|zZ\xC9\xE9 ="[random() % 12];
        }
        return t;
    };
    for (int round = 0; round < 2000; ++round) {
        const std::string a = text(random() % 12);
        const std::string b = text(random() % 4);
        std::string foldedA(a.size(), ' ');
        std::string foldedB(b.size(), ' ');
        std::transform(a.begin(), a.end(), foldedA.begin(), fold);
        std::transform(b.begin(), b.end(), foldedB.begin(), fold);
        std::string into = "left over";
        foldAsciiCaseInto(into, a);
        EXPECT_EQ(into, foldedA);
        EXPECT_EQ(equalsIgnoringAsciiCase(a, b), foldedA == foldedB);
        EXPECT_EQ(lessIgnoringAsciiCase(a, b),
                  std::lexicographical_compare(
                      foldedA.begin(), foldedA.end(), foldedB.begin(), foldedB.end(),
                      [](char x, char y) {
                          return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                      }))
            << a << " / " << b;
        EXPECT_EQ(findIgnoringAsciiCase(a, b), b.empty() ? 0 : foldedA.find(foldedB))
            << a << " / " << b;
    }
}

}  // namespace
}  // namespace kaj::platform
