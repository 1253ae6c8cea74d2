#include "KeyChoice.h"

#include <bit>
#include <map>

namespace kaj::platform::x11 {

int KeyLevelType::levelOf(unsigned modifiers) const {
    const unsigned seen = modifiers & modifierMask;
    for (const auto& entry : entries) {
        if (entry.modifiers == seen) {
            return entry.level;
        }
    }
    return 0;
}

std::optional<int> KeyboardKey::effectiveGroup(int group) const {
    const int count = static_cast<int>(groups.size());
    if (count == 0) {
        return std::nullopt;
    }
    if (group < count) {
        return group;
    }
    switch (overflow) {
        case GroupOverflow::Clamp:
            return count - 1;
        case GroupOverflow::Redirect:
            return redirectGroup < count ? redirectGroup : 0;
        case GroupOverflow::Wrap:
            break;
    }
    return group % count;
}

namespace {

struct Found {
    int code;
    unsigned modifiers;
};

// The key of a group that gives the symbol with the fewest modifiers added.
std::optional<Found> findInGroup(const KeyboardMap& keyboard, int group, unsigned long symbol,
                                 unsigned held, unsigned keptLocks) {
    std::vector<unsigned> additions = {0, keyboard.shiftModifier};
    if (keyboard.levelThreeModifier != 0) {
        additions.push_back(keyboard.levelThreeModifier);
        additions.push_back(keyboard.levelThreeModifier | keyboard.shiftModifier);
    }
    std::optional<Found> best;
    for (const auto& key : keyboard.keys) {
        const auto effective = key.effectiveGroup(group);
        if (!effective) {
            continue;
        }
        const auto& symbols = key.groups[static_cast<std::size_t>(*effective)];
        if (symbols.type < 0 || symbols.type >= static_cast<int>(keyboard.types.size())) {
            continue;
        }
        const KeyLevelType& type = keyboard.types[static_cast<std::size_t>(symbols.type)];
        for (unsigned added : additions) {
            if (best && std::popcount(added) >= std::popcount(best->modifiers & ~held)) {
                break;
            }
            const int level = type.levelOf(held | added | keptLocks);
            if (level < static_cast<int>(symbols.symbols.size()) &&
                symbols.symbols[static_cast<std::size_t>(level)] == symbol) {
                best = Found{key.code, held | added};
                break;
            }
        }
    }
    return best;
}

}  // namespace

KeyPlan planKeys(const KeyboardMap& keyboard, int userGroup, unsigned keptLocks,
                 const std::vector<WantedKey>& wanted) {
    KeyPlan plan;
    int typingGroup = userGroup;
    std::map<unsigned long, int> lent;
    std::size_t nextSpare = 0;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const WantedKey& key = wanted[i];
        std::vector<int> order = {typingGroup};
        if (userGroup != typingGroup) {
            order.push_back(userGroup);
        }
        for (int g = 0; g < keyboard.groupCount; ++g) {
            if (g != typingGroup && g != userGroup) {
                order.push_back(g);
            }
        }
        std::optional<PlannedKey> planned;
        for (int group : order) {
            for (unsigned long symbol : key.symbols) {
                if (const auto found =
                        findInGroup(keyboard, group, symbol, key.heldModifiers, keptLocks)) {
                    planned = PlannedKey{found->code, group, found->modifiers};
                    break;
                }
            }
            if (planned) {
                break;
            }
        }
        if (!planned && !key.symbols.empty()) {
            const unsigned long symbol = key.symbols.front();
            if (auto it = lent.find(symbol); it != lent.end()) {
                planned = PlannedKey{it->second, typingGroup, key.heldModifiers, true, symbol};
            } else if (nextSpare < keyboard.spareCodes.size()) {
                const int code = keyboard.spareCodes[nextSpare++];
                lent.emplace(symbol, code);
                planned = PlannedKey{code, typingGroup, key.heldModifiers, true, symbol};
            }
        }
        if (!planned) {
            plan.unreachable = i;
            plan.keys.clear();
            return plan;
        }
        typingGroup = planned->group;
        plan.keys.push_back(*planned);
    }
    return plan;
}

}  // namespace kaj::platform::x11
