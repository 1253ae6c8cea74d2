#include "TextRoutines.h"

#include <gtest/gtest.h>

#include <random>

#include "LeadingDigits.h"
#include "SortedTextList.h"

namespace kaj::console {
namespace {

TEST(ValueOf, TakesWhatFollowsTheFirstEqualsElseTheFirstBlankTrimmed) {
    EXPECT_EQ(common::ValueOf("POLPATH=  C:\\POL\\  "), "C:\\POL\\");
    EXPECT_EQ(common::ValueOf("a=b=c"), "b=c");
    EXPECT_EQ(common::ValueOf("Name   My Package"), "My Package");
    EXPECT_EQ(common::ValueOf("key="), "");
    EXPECT_EQ(common::ValueOf("Enabled 1 = x"), "x");  // "=" wins over an earlier blank
    EXPECT_FALSE(common::ValueOf("NoValueHere").has_value());
    EXPECT_EQ(common::ValueOf("tab\tonly="), "");
    EXPECT_EQ(common::ValueOf("k=\tv\t"), "\tv\t");  // only the byte 0x20 is a blank
}

TEST(ExtractPacked, ReturnsTheTrimmedFieldAndOneForAnEmptyField) {
    const std::string shard = "Alpha | 10.0.0.1 | 5003 |gm|secret|C:\\UO\\client.exe";
    EXPECT_EQ(common::ExtractPacked(shard, 1), "Alpha");
    EXPECT_EQ(common::ExtractPacked(shard, 3), "5003");
    EXPECT_EQ(common::ExtractPacked(shard, 6), "C:\\UO\\client.exe");
    EXPECT_EQ(common::ExtractPacked("Alpha||5003", 2), "1");
    EXPECT_EQ(common::ExtractPacked("  Lonely  ", 1), "Lonely");
    // Past the last bar the remainder stays as it is.
    EXPECT_EQ(common::ExtractPacked("a|b", 5), "b");
    EXPECT_EQ(common::ExtractPacked("|x", 1), "1");
    EXPECT_EQ(common::ExtractPacked("", 1), "");
}

TEST(ReplaceAll, ReplacesEveryOccurrenceIgnoringCaseAndSearchingFromTheStartAgain) {
    EXPECT_EQ(common::ReplaceAll("1495,1629,10", ",", " "), "1495 1629 10");
    EXPECT_EQ(common::ReplaceAll("aXbxc", "x", "-"), "a-b-c");
    // A replacement can form a new occurrence; searching again from the start finds it
    // (one pass from left to right would leave "aab").
    EXPECT_EQ(common::ReplaceAll("aabb", "ab", "a"), "aa");
    EXPECT_EQ(common::ReplaceAll("none", "", "x"), "none");
    // A replacement holding the search text ends instead of running forever.
    EXPECT_EQ(common::ReplaceAll("a,b", ",", ",,"), "a,,b");
}

TEST(GetPath, KeepsTheFolderWithItsSeparator) {
    EXPECT_EQ(common::GetPath("C:\\Games\\UO\\client.exe"), "C:\\Games\\UO\\");
    EXPECT_EQ(common::GetPath("/home/gm/uo/client.exe"), "/home/gm/uo/");
    EXPECT_EQ(common::GetPath("client.exe"), "");
    EXPECT_EQ(common::GetPath("C:\\mixed/sub\\file"), "C:\\mixed/sub\\");
}

TEST(SortedTextList, InsertsInCaseBlindOrderAfterEqualTexts) {
    std::vector<std::string> list;
    EXPECT_EQ(common::insertSorted(list, "zeta"), 0u);
    EXPECT_EQ(common::insertSorted(list, "Alpha"), 0u);
    EXPECT_EQ(common::insertSorted(list, "ALPHA"), 1u);
    EXPECT_EQ(common::insertSorted(list, "beta"), 2u);
    EXPECT_EQ(common::insertSorted(list, "\xE9t\xE9"), 4u);  // bytes above 0x7F sort after letters
    EXPECT_EQ(list, (std::vector<std::string>{"Alpha", "ALPHA", "beta", "zeta", "\xE9t\xE9"}));
}

TEST(SortedTextList, ManyAtOnceGoWhereOneByOneWouldPutThem) {
    std::mt19937 random(3);
    auto text = [&] {
        std::string t(random() % 4, ' ');
        for (auto& c : t) {
            c = "aAbB_\xE9"[random() % 6];
        }
        return t;
    };
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> list;
        for (int i = 0; i < 5; ++i) {
            common::insertSorted(list, text());
        }
        std::vector<std::string> more;
        for (int i = 0; i < 20; ++i) {
            more.push_back(text());
        }
        std::vector<std::string> oneByOne = list;
        for (const auto& t : more) {
            common::insertSorted(oneByOne, t);
        }
        common::insertAllSorted(list, more);
        EXPECT_EQ(list, oneByOne);
    }
}

TEST(LeadingDigits, ReadsTheRunOfItsBaseAndStopsGrowingPast64Bits) {
    const auto hex = common::leadingDigits("1fFz", 16);
    EXPECT_EQ(hex.value, 0x1FFu);
    EXPECT_EQ(hex.length, 3u);
    EXPECT_EQ(common::leadingDigits("0789", 8).length, 2u);  // 8 is no octal digit
    EXPECT_EQ(common::leadingDigits(" 12", 10).length, 0u);  // blanks are the caller's
    const auto most = common::leadingDigits("18446744073709551615", 10);
    EXPECT_FALSE(most.overflowed);
    EXPECT_EQ(most.value, ~0ULL);
    const auto past = common::leadingDigits("184467440737095516160000x", 10);
    EXPECT_TRUE(past.overflowed);
    EXPECT_EQ(past.value, ~0ULL);
    EXPECT_EQ(past.length, 24u);
}

TEST(TrimmedOf, RemovesOnlyTheGivenCharactersAtEitherEnd) {
    EXPECT_EQ(common::trimmedOf(" \tkey value\t ", " \t"), "key value");
    EXPECT_EQ(common::trimmedOf("\tkey ", " "), "\tkey");
    EXPECT_EQ(common::trimmedOf("   ", " "), "");
}

}  // namespace
}  // namespace kaj::console
