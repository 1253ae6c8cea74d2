#include "TextRoutines.h"

#include <gtest/gtest.h>

#include "SortedTextList.h"

namespace kaj::console {
namespace {

TEST(ValueOf, TakesWhatFollowsTheFirstEqualsElseTheFirstBlankTrimmed) {
    EXPECT_EQ(ValueOf("POLPATH=  C:\\POL\\  "), "C:\\POL\\");
    EXPECT_EQ(ValueOf("a=b=c"), "b=c");
    EXPECT_EQ(ValueOf("Name   My Package"), "My Package");
    EXPECT_EQ(ValueOf("key="), "");
    EXPECT_EQ(ValueOf("Enabled 1 = x"), "x");  // "=" wins over an earlier blank
    EXPECT_FALSE(ValueOf("NoValueHere").has_value());
    EXPECT_EQ(ValueOf("tab\tonly="), "");
    EXPECT_EQ(ValueOf("k=\tv\t"), "\tv\t");  // only the byte 0x20 is a blank
}

TEST(ExtractPacked, ReturnsTheTrimmedFieldAndOneForAnEmptyField) {
    const std::string shard = "Alpha | 10.0.0.1 | 5003 |gm|secret|C:\\UO\\client.exe";
    EXPECT_EQ(ExtractPacked(shard, 1), "Alpha");
    EXPECT_EQ(ExtractPacked(shard, 3), "5003");
    EXPECT_EQ(ExtractPacked(shard, 6), "C:\\UO\\client.exe");
    EXPECT_EQ(ExtractPacked("Alpha||5003", 2), "1");
    EXPECT_EQ(ExtractPacked("  Lonely  ", 1), "Lonely");
    // Past the last bar the remainder stays as it is.
    EXPECT_EQ(ExtractPacked("a|b", 5), "b");
    EXPECT_EQ(ExtractPacked("|x", 1), "1");
    EXPECT_EQ(ExtractPacked("", 1), "");
}

TEST(ReplaceAll, ReplacesEveryOccurrenceIgnoringCaseAndSearchingFromTheStartAgain) {
    EXPECT_EQ(ReplaceAll("1495,1629,10", ",", " "), "1495 1629 10");
    EXPECT_EQ(ReplaceAll("aXbxc", "x", "-"), "a-b-c");
    // A replacement can form a new occurrence; searching again from the start finds it
    // (one pass from left to right would leave "aab").
    EXPECT_EQ(ReplaceAll("aabb", "ab", "a"), "aa");
    EXPECT_EQ(ReplaceAll("none", "", "x"), "none");
    // A replacement holding the search text ends instead of running forever.
    EXPECT_EQ(ReplaceAll("a,b", ",", ",,"), "a,,b");
}

TEST(GetPath, KeepsTheFolderWithItsSeparator) {
    EXPECT_EQ(GetPath("C:\\Games\\UO\\client.exe"), "C:\\Games\\UO\\");
    EXPECT_EQ(GetPath("/home/gm/uo/client.exe"), "/home/gm/uo/");
    EXPECT_EQ(GetPath("client.exe"), "");
    EXPECT_EQ(GetPath("C:\\mixed/sub\\file"), "C:\\mixed/sub\\");
}

TEST(SortedTextList, InsertsInCaseBlindOrderAfterEqualTexts) {
    std::vector<std::string> list;
    EXPECT_EQ(insertSorted(list, "zeta"), 0u);
    EXPECT_EQ(insertSorted(list, "Alpha"), 0u);
    EXPECT_EQ(insertSorted(list, "ALPHA"), 1u);
    EXPECT_EQ(insertSorted(list, "beta"), 2u);
    EXPECT_EQ(insertSorted(list, "\xE9t\xE9"), 4u);  // bytes above 0x7F sort after letters
    EXPECT_EQ(list, (std::vector<std::string>{"Alpha", "ALPHA", "beta", "zeta", "\xE9t\xE9"}));
}

}  // namespace
}  // namespace kaj::console
