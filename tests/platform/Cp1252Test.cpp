#include "Cp1252.h"

#include <gtest/gtest.h>

namespace kaj::platform {
namespace {

TEST(Cp1252, EveryByteSurvivesTheWayThroughUtf8) {
    std::string all;
    for (int byte = 1; byte <= 0xFF; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
}

TEST(Cp1252, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(utf8ToCp1252("\xE2\x98\x83"), "?");  // a snowman
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");        // cut short
    EXPECT_EQ(utf8ToCp1252("\xFF"
                           "b"),
              "?b");  // not UTF-8 at all
    EXPECT_FALSE(unicodeToCp1252(0x0100).has_value());
    // Malformed UTF-8 is never read as the character it would spell: an overlong "/"
    // stays out of a path.
    EXPECT_EQ(utf8ToCp1252("a\xC0\xAF"), "a??");
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "???");
}

}  // namespace
}  // namespace kaj::platform
