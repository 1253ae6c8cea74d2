#include "KeyChoice.h"

#include <gtest/gtest.h>

#include "KeySymbols.h"

namespace kaj::platform::x11 {
namespace {

constexpr unsigned kShift = 0x01;
constexpr unsigned kLock = 0x02;
constexpr unsigned kControl = 0x04;
constexpr unsigned kNumLock = 0x10;
constexpr unsigned kLevelThree = 0x80;

// Two groups, as "us,ru" or "de,gr" give them: Latin letters in the first, other
// letters in the second, AltGr levels on one key, a keypad key and two spare keys.
KeyboardMap twoGroups() {
    KeyboardMap keyboard;
    keyboard.groupCount = 2;
    keyboard.levelThreeModifier = kLevelThree;
    keyboard.types = {
        {0, {}},                                      // one level
        {kShift, {{kShift, 1}}},                      // two levels
        {kShift | kLock, {{kShift, 1}, {kLock, 1}}},  // letters
        {kShift | kLevelThree, {{kShift, 1}, {kLevelThree, 2}, {kShift | kLevelThree, 3}}},
        {kShift | kNumLock, {{kNumLock, 1}, {kShift, 1}}},  // keypad
    };
    keyboard.keys = {
        {24, {{2, {'q', 'Q'}}, {2, {0x6ca, 0x6ea}}}},
        {38, {{3, {'a', 'A', 0xe6, 0xc6}}, {2, {0x6c6, 0x6e6}}}},
        {60, {{1, {'.', '>'}}, {1, {0x6c0, 0x6e0}}}},
        {61, {{1, {'/', '?'}}, {1, {'.', ','}}}},
        {36, {{0, {0xff0d}}}},
        {87, {{4, {0xff9c, 0xffb1}}}},
        {108, {{0, {0xfe03}}}},
    };
    keyboard.spareCodes = {200, 201};
    return keyboard;
}

std::vector<WantedKey> textOf(const std::u32string& text, unsigned held = 0) {
    std::vector<WantedKey> wanted;
    for (char32_t c : text) {
        WantedKey key;
        for (auto symbol : keySymbolsForCharacter(c)) {
            key.symbols.push_back(symbol);
        }
        key.heldModifiers = held;
        wanted.push_back(key);
    }
    return wanted;
}

TEST(KeyChoice, LettersComeFromTheGroupThatHoldsThemWithAsFewSwitchesAsCanBe) {
    const KeyboardMap keyboard = twoGroups();
    // The second group in use: "q" only the first has; the "." after it comes from
    // the first too, where typing already is, and so does the last "q".
    const KeyPlan plan = planKeys(keyboard, 1, 0, textOf(U"q.q"));
    ASSERT_FALSE(plan.unreachable);
    ASSERT_EQ(plan.keys.size(), 3u);
    for (const auto& key : plan.keys) {
        EXPECT_EQ(key.group, 0);
        EXPECT_FALSE(key.lent);
    }
    EXPECT_EQ(plan.keys[1].code, 60);
    // A "." alone, with the second group in use, needs no switch: that group has one.
    const KeyPlan dot = planKeys(keyboard, 1, 0, textOf(U"."));
    EXPECT_EQ(dot.keys[0].group, 1);
    EXPECT_EQ(dot.keys[0].code, 61);
    EXPECT_EQ(dot.keys[0].heldModifiers, 0u);

    // Shift and AltGr reach the upper levels; the notation's Ctrl stays held.
    const KeyPlan levels = planKeys(keyboard, 0, 0, textOf(U"Qa\u00e6\u00c6?"));
    ASSERT_FALSE(levels.unreachable);
    const unsigned expected[] = {kShift, 0, kLevelThree, kShift | kLevelThree, kShift};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(levels.keys[i].heldModifiers, expected[i]) << i;
    }
    EXPECT_EQ(planKeys(keyboard, 0, 0, textOf(U"q", kControl)).keys[0].heldModifiers, kControl);
}

TEST(KeyChoice, KeptLocksCountAndKeysOfOneGroupServeEveryGroup) {
    KeyboardMap keyboard = twoGroups();
    // Num Lock kept on: the keypad key gives its second level without Shift.
    WantedKey keypadOne{{0xffb1}, 0};
    EXPECT_EQ(planKeys(keyboard, 0, kNumLock, {keypadOne}).keys[0].heldModifiers, 0u);
    EXPECT_EQ(planKeys(keyboard, 0, 0, {keypadOne}).keys[0].heldModifiers, kShift);
    // Enter lives in one group and wraps into the second without a switch.
    WantedKey enter{{0xff0d}, 0};
    const KeyPlan plan = planKeys(keyboard, 1, 0, {enter});
    EXPECT_EQ(plan.keys[0].code, 36);
    EXPECT_EQ(plan.keys[0].group, 1);

    KeyboardKey clamped{1, {{0, {'x'}}, {0, {'y'}}}, GroupOverflow::Clamp, 0};
    EXPECT_EQ(clamped.effectiveGroup(3), 1);
    KeyboardKey redirected{1, {{0, {'x'}}, {0, {'y'}}}, GroupOverflow::Redirect, 0};
    EXPECT_EQ(redirected.effectiveGroup(2), 0);
    KeyboardKey wrapped{1, {{0, {'x'}}, {0, {'y'}}}, GroupOverflow::Wrap, 0};
    EXPECT_EQ(wrapped.effectiveGroup(3), 1);
    EXPECT_FALSE(KeyboardKey{}.effectiveGroup(0));
}

TEST(KeyChoice, CharactersNoGroupHoldsBorrowSpareKeysOrStopTheWholeCommand) {
    const KeyboardMap keyboard = twoGroups();
    // Two characters no group holds, one twice: two spare keys, lent once each.
    const KeyPlan lent = planKeys(keyboard, 0, 0, textOf(U"\u00e9q\u00fc\u00e9"));
    ASSERT_FALSE(lent.unreachable);
    EXPECT_TRUE(lent.keys[0].lent);
    EXPECT_EQ(lent.keys[0].code, 200);
    EXPECT_EQ(lent.keys[0].lentSymbol, 0xe9u);
    EXPECT_EQ(lent.keys[2].code, 201);
    EXPECT_EQ(lent.keys[3].code, 200);

    // A third has no key left: the plan names it and holds no key at all.
    const KeyPlan full = planKeys(keyboard, 0, 0, textOf(U"q\u00e9\u00fc\u00f1"));
    EXPECT_EQ(full.unreachable, 3u);
    EXPECT_TRUE(full.keys.empty());
    KeyboardMap noSpares = twoGroups();
    noSpares.spareCodes.clear();
    EXPECT_EQ(planKeys(noSpares, 0, 0, textOf(U"qa\u00e9")).unreachable, 2u);
    // Without a level-three key, the AltGr letters borrow spare keys instead.
    KeyboardMap noAltGr = twoGroups();
    noAltGr.levelThreeModifier = 0;
    EXPECT_TRUE(planKeys(noAltGr, 0, 0, textOf(U"\u00e6")).keys[0].lent);
}

}  // namespace
}  // namespace kaj::platform::x11
