#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kaj::platform::x11 {

// A keyboard as XKB describes it, in plain terms: which symbol each key gives in
// each group at each shift level, and which modifiers reach which level.
struct KeyLevelType {
    unsigned modifierMask = 0;  // the modifiers this type looks at
    struct Entry {
        unsigned modifiers;  // within the mask
        int level;           // 0-based
    };
    std::vector<Entry> entries;  // combinations not listed give level 0
    int levelOf(unsigned modifiers) const;
};

enum class GroupOverflow { Wrap, Clamp, Redirect };

struct KeyboardKey {
    int code = 0;
    struct Group {
        int type = 0;                        // into KeyboardMap::types
        std::vector<unsigned long> symbols;  // by level
    };
    std::vector<Group> groups;
    GroupOverflow overflow = GroupOverflow::Wrap;
    int redirectGroup = 0;
    // The group whose symbols the key gives while `group` is in effect, or none.
    std::optional<int> effectiveGroup(int group) const;
};

struct KeyboardMap {
    int groupCount = 1;
    std::vector<KeyLevelType> types;
    std::vector<KeyboardKey> keys;
    std::vector<int> spareCodes;      // keys with no symbol at all, to lend
    unsigned shiftModifier = 1;       // ShiftMask
    unsigned levelThreeModifier = 0;  // the real modifier of ISO_Level3_Shift; 0: none
};

// What typing one character or named key needs: the symbols that would do, the
// preferred first, and the modifiers the notation holds with it (Ctrl, Alt as real
// modifiers).
struct WantedKey {
    std::vector<unsigned long> symbols;
    unsigned heldModifiers = 0;
};

// How to type one key: the key, the group to lock while it is pressed, and the
// modifiers to hold (the notation's and those that reach the symbol's level). A
// character no group holds goes through a spare key, lent for the whole command.
struct PlannedKey {
    int code = 0;
    int group = 0;
    unsigned heldModifiers = 0;
    bool lent = false;
    unsigned long lentSymbol = 0;
};

struct KeyPlan {
    std::vector<PlannedKey> keys;
    // The first wanted key the keyboard cannot give and no spare key can take.
    std::optional<std::size_t> unreachable;
};

// Plans the keys of a whole command before any is pressed. Each key comes from the
// group in use for typing where it holds the symbol, else the user's group, else
// another, so a command of one script switches groups once at most. Levels are
// reached with Shift and the level-three modifier; `keptLocks` are locked
// modifiers that stay on while typing (Num Lock) and count in every level.
KeyPlan planKeys(const KeyboardMap& keyboard, int userGroup, unsigned keptLocks,
                 const std::vector<WantedKey>& wanted);

}  // namespace kaj::platform::x11
