#pragma once

namespace kaj::platform {

// Makes the application's font the desktop's user-interface font as the system
// names it. Windows may name a logical face ("MS Shell Dlg", under Wine) that stands
// for another in the registry's font substitutes; Qt would then draw with whatever
// face comes first, often a serif. The substitute is taken where it is installed,
// else the first installed of Segoe UI, Tahoma, DejaVu Sans, Liberation Sans and
// Arial, at the system's size. Elsewhere Qt's choice stands. Call once, after the
// application object is made.
void useSystemInterfaceFont();

}  // namespace kaj::platform
