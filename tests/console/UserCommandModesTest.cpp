#include "UserCommandModes.h"

#include <gtest/gtest.h>

namespace kaj::console {
namespace {

struct ModesFixture : ::testing::Test {
    UserCommandModes modes;
    UserCommandList entries;
    ModesFixture() {
        entries.fill(kEmptyUserCommand);
        entries[2] = "Bank|.bank";
        entries[4] = "Lonely";
        entries[6] = "a|b|c";
    }
};

TEST_F(ModesFixture, EachButtonSetsItsModeAndNamesItsPrompt) {
    EXPECT_STREQ(modes.add(), "Please Select a Location for this Command");
    EXPECT_STREQ(modes.change(), "Please Select a Command to Edit");
    EXPECT_STREQ(modes.clear(), "Please Select a Command to Remove");
    EXPECT_TRUE(modes.UserAdd && modes.UserChange && modes.UserClear);
}

TEST_F(ModesFixture, AddStoresTheFieldsAndCutsTheButtonsCaptionAtABar) {
    modes.add();
    auto click = modes.click(5, entries, "Hello", ".where");
    EXPECT_EQ(click.action, UserCommandClick::Action::Stored);
    EXPECT_EQ(click.caption, "Hello");
    EXPECT_EQ(entries[5], "Hello|.where");
    EXPECT_EQ(modes.UserCommandIndex, 5);

    modes.add();
    click = modes.click(7, entries, "Hi|there", "say");
    EXPECT_EQ(entries[7], "Hi|there|say");
    EXPECT_EQ(click.caption, "Hi");
    // The rest of the caption is what the button then types.
    click = modes.click(7, entries, "", "");
    EXPECT_EQ(click.action, UserCommandClick::Action::Send);
    EXPECT_EQ(click.command, "there");
}

TEST_F(ModesFixture, AddWinsOverChangeAndChangeOverClearAndEveryClickEndsEveryMode) {
    modes.clear();
    modes.change();
    modes.add();
    EXPECT_EQ(modes.click(2, entries, "New", "new").action, UserCommandClick::Action::Stored);
    EXPECT_FALSE(modes.UserAdd || modes.UserChange || modes.UserClear);

    modes.clear();
    modes.change();
    const auto click = modes.click(2, entries, "ignored", "ignored");
    EXPECT_EQ(click.action, UserCommandClick::Action::Editing);
    EXPECT_EQ(click.caption, "New");
    EXPECT_EQ(click.command, "new");
    EXPECT_EQ(entries[2], "New|new");
    EXPECT_FALSE(modes.UserAdd || modes.UserChange || modes.UserClear);

    modes.clear();
    EXPECT_EQ(modes.click(2, entries, "", "").action, UserCommandClick::Action::Cleared);
    EXPECT_EQ(entries[2], " | ");
}

TEST_F(ModesFixture, DoneRewritesTheSlotClickedLastEvenAfterASendInBetween) {
    modes.change();
    modes.click(2, entries, "", "");
    // In the second phase of Change a click sends, and makes its slot the one Done rewrites.
    const auto sent = modes.click(6, entries, "", "");
    EXPECT_EQ(sent.action, UserCommandClick::Action::Send);
    EXPECT_EQ(sent.command, "b");
    EXPECT_EQ(modes.done(entries, "Six", "six"), "Six");
    EXPECT_EQ(entries[6], "Six|six");
    EXPECT_EQ(entries[2], "Bank|.bank");
}

TEST_F(ModesFixture, EmptyAndBarlessSlotsSendAnEmptyCommand) {
    EXPECT_EQ(modes.click(9, entries, "x", "y").command, "");  // " | "
    entries[9] = "|";
    EXPECT_EQ(modes.click(9, entries, "x", "y").command, "");
    EXPECT_EQ(modes.click(4, entries, "x", "y").command, "");  // no bar at all
    entries[9] = " | say";  // a blank caption with a command is not empty
    EXPECT_EQ(modes.click(9, entries, "", "").command, " say");
    EXPECT_EQ(entries[9], " | say");
}

}  // namespace
}  // namespace kaj::console
