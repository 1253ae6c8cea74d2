#include "CommandCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "DropDownLists.h"
#include "FileSystemTraits.h"
#include "TempFolder.h"
#include "UserCommandEntry.h"

namespace kaj::console {
namespace {

TEST(DropDownLists, HoldTheirEntriesInOrderWithTheirNumbers) {
    EXPECT_EQ(skillNames().size(), 49u);
    EXPECT_EQ(skillNames()[25], "Magery");
    EXPECT_EQ(skillNames()[48], "RemoveTrap");
    EXPECT_EQ(propertyNames().size(), 31u);
    EXPECT_EQ(propertyNames().back(), "cmdlevel");
    ASSERT_EQ(spells().size(), 64u);
    std::set<int> spellNumbers;
    for (const auto& spell : spells())
        spellNumbers.insert(spell.number);
    EXPECT_EQ(spellNumbers.size(), 64u);  // every spell 1..64 exactly once
    EXPECT_EQ(*spellNumbers.begin(), 1);
    EXPECT_EQ(*spellNumbers.rbegin(), 64);
    EXPECT_STREQ(spells()[14].keyword, "ebolt");
    ASSERT_EQ(musicEntries().size(), 49u);
    std::set<int> musicNumbers;
    for (const auto& music : musicEntries())
        musicNumbers.insert(music.number);
    EXPECT_EQ(musicNumbers.size(), 49u);
    const auto& sounds = soundDescriptions();
    ASSERT_EQ(sounds.size(), 588u);
    EXPECT_EQ(sounds[0], "Multiple birds chirping");
    EXPECT_EQ(sounds[3], "Birds/Owls at night");
    EXPECT_EQ(sounds[4], "Sound effect 5");
    EXPECT_EQ(sounds[582], "Sound effect 583");
    EXPECT_EQ(sounds[583], "Writing on paper?");
    EXPECT_EQ(sounds[587], "Horse footstep");
}

TEST(CommandCatalogue, NamesAreUniqueAndCellsAreNotShared) {
    std::set<std::string> names;
    std::map<std::tuple<int, std::string, int, int>, std::string> cells;
    for (const auto& button : catalogueButtons()) {
        EXPECT_TRUE(names.insert(button.name).second) << button.name;
        const auto cell = std::make_tuple(button.place.tab, std::string(button.place.container),
                                          button.place.row, button.place.column);
        EXPECT_TRUE(cells.emplace(cell, button.name).second)
            << button.name << " shares a cell with " << cells[cell];
    }
    for (const auto& control : argumentControls()) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        if (control.kind == ControlKind::UpDown) {
            continue;  // shares its field's cell
        }
        const auto cell = std::make_tuple(control.place.tab, std::string(control.place.container),
                                          control.place.row, control.place.column);
        EXPECT_TRUE(cells.emplace(cell, control.name).second)
            << control.name << " shares a cell with " << cells[cell];
    }
    EXPECT_EQ(catalogueButtons().size(), 16u + 23u + 22u + 17u + 21u + 5u + 3u + 10u);
}

TEST(CommandCatalogue, EveryArgumentNamesAControlOfTheSameTab) {
    std::map<std::string, int> controlTabs;
    for (const auto& control : argumentControls())
        controlTabs[control.name] = control.place.tab;
    for (const auto& button : catalogueButtons()) {
        for (const Argument* argument : {&button.first, &button.second}) {
            if (argument->kind == ArgumentKind::None)
                continue;
            ASSERT_TRUE(controlTabs.contains(argument->control)) << button.name;
            EXPECT_EQ(controlTabs[argument->control], button.place.tab) << button.name;
        }
    }
}

TEST(CommandCatalogue, StartPolFindsTheServerProgramOnThisSystem) {
    if (!kaj::testing::kNamesDifferingInCaseAreDistinct) {
        GTEST_SKIP() << "names differing only in case are one file here";
    }
    kaj::testing::TempFolder folder;
    const std::string pol = folder.path().string() + "/";
    EXPECT_EQ(polProgramPath(pol, false), "");
    EXPECT_EQ(polProgramPath("C:\\POL\\", true), "C:\\POL\\pol.exe");
    folder.write("pol", "#!/bin/sh\n");
    EXPECT_EQ(polProgramPath(pol, false), (folder / "pol").string());
    folder.write("POL.EXE", "MZ");
    EXPECT_EQ(polProgramPath(pol, false), (folder / "POL.EXE").string());
}

TEST(UserCommandEntry, SplitsAtTheFirstTwoBarsAndAnEntryWithoutABarHasNoCommand) {
    EXPECT_EQ(splitUserCommand("Hello|.where").caption, "Hello");
    EXPECT_EQ(splitUserCommand("Hello|.where").command, ".where");
    EXPECT_EQ(splitUserCommand("Go|home|.goto x").command, "home");
    EXPECT_EQ(splitUserCommand(" | ").command, " ");
    EXPECT_EQ(splitUserCommand("|").command, "");
    EXPECT_EQ(splitUserCommand("Lonely").caption, "Lonely");
    EXPECT_EQ(splitUserCommand("Lonely").command, "");
    EXPECT_EQ(joinUserCommand("Hello", ".where"), "Hello|.where");
}

}  // namespace
}  // namespace kaj::console
