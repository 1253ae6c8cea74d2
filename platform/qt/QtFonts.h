#pragma once

namespace kaj::platform {

// Makes the application's font the desktop's user-interface font as the system
// names it. Windows may name a logical face ("MS Shell Dlg", under Wine) that is
// not among the installed families, and Qt would then draw with whatever face comes
// first, often a serif. The face's substitute from the registry is taken instead
// where it is installed, else the first installed of Segoe UI, Tahoma, DejaVu Sans,
// Liberation Sans and Arial, at the system's size. Elsewhere Qt's choice stands.
// Call once, after the application object is made.
void useSystemInterfaceFont();

}  // namespace kaj::platform
