#include "X11Keyboard.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <algorithm>

namespace kaj::platform::x11 {

KeyboardMap readKeyboardMap(Display* display) {
    KeyboardMap keyboard;
    XkbDescPtr xkb =
        XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask | XkbModifierMapMask, XkbUseCoreKbd);
    if (xkb == nullptr || xkb->map == nullptr) {
        if (xkb != nullptr) {
            XkbFreeKeyboard(xkb, 0, True);
        }
        return keyboard;
    }
    for (int t = 0; t < xkb->map->num_types; ++t) {
        const XkbKeyTypeRec& source = xkb->map->types[t];
        KeyLevelType type;
        type.modifierMask = source.mods.mask;
        for (int e = 0; e < source.map_count; ++e) {
            const XkbKTMapEntryRec& entry = source.map[e];
            if (entry.active) {
                type.entries.push_back({entry.mods.mask, entry.level});
            }
        }
        keyboard.types.push_back(std::move(type));
    }
    int levelThreeCode = 0;
    for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code) {
        KeyboardKey key;
        key.code = code;
        const int groups = XkbKeyNumGroups(xkb, code);
        const unsigned char info = XkbKeyGroupInfo(xkb, code);
        switch (XkbOutOfRangeGroupAction(info)) {
            case XkbClampIntoRange:
                key.overflow = GroupOverflow::Clamp;
                break;
            case XkbRedirectIntoRange:
                key.overflow = GroupOverflow::Redirect;
                key.redirectGroup = XkbOutOfRangeGroupNumber(info);
                break;
            default:
                key.overflow = GroupOverflow::Wrap;
                break;
        }
        bool any = false;
        for (int g = 0; g < groups; ++g) {
            KeyboardKey::Group group;
            group.type = XkbKeyKeyTypeIndex(xkb, code, g);
            const int width = XkbKeyGroupWidth(xkb, code, g);
            for (int level = 0; level < width; ++level) {
                const KeySym symbol = XkbKeySymEntry(xkb, code, level, g);
                group.symbols.push_back(symbol);
                any = any || symbol != NoSymbol;
                if (symbol == XK_ISO_Level3_Shift && level == 0 && levelThreeCode == 0) {
                    levelThreeCode = code;
                }
            }
            key.groups.push_back(std::move(group));
        }
        keyboard.groupCount = std::max(keyboard.groupCount, groups);
        if (!any) {
            // Keep away from the lowest codes, which some servers reserve.
            if (code > 8) {
                keyboard.spareCodes.insert(keyboard.spareCodes.begin(), code);
            }
            continue;
        }
        keyboard.keys.push_back(std::move(key));
    }
    if (levelThreeCode != 0 && xkb->map->modmap != nullptr) {
        keyboard.levelThreeModifier = xkb->map->modmap[levelThreeCode];
    }
    keyboard.shiftModifier = ShiftMask;
    XkbFreeKeyboard(xkb, 0, True);
    return keyboard;
}

KeyboardLocks readKeyboardLocks(Display* display) {
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success) {
        return {};
    }
    return {state.locked_group, state.locked_mods};
}

unsigned numLockModifier(Display* display) {
    return XkbKeysymToModifiers(display, XK_Num_Lock);
}

}  // namespace kaj::platform::x11
