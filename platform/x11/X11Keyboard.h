#pragma once

#include <X11/Xlib.h>

#include "KeyChoice.h"

namespace kaj::platform::x11 {

// The server's keyboard as XKB has it now: every key's symbols by group and level,
// the level types, the spare keys, and the modifiers Shift and AltGr set.
KeyboardMap readKeyboardMap(Display* display);

// The keyboard's locks as the user left them.
struct KeyboardLocks {
    int group = 0;
    unsigned modifiers = 0;
};
KeyboardLocks readKeyboardLocks(Display* display);

// The real modifier Num Lock sets, which stays locked while typing.
unsigned numLockModifier(Display* display);

}  // namespace kaj::platform::x11
