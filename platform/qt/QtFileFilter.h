#pragma once

#include <string>
#include <string_view>

namespace kaj::platform {

// A file filter in the common dialog's form ("All Files|*.*", description and
// patterns alternating, patterns joined by ";") as Qt's file dialog takes it
// ("All Files (*)", pairs joined by ";;"). "*.*" becomes "*", so names without a
// dot (a Linux program such as "uoclient") are listed too. A filter without a bar
// is taken to be in Qt's form already.
std::string qtFileFilter(std::string_view commonDialogFilter);

}  // namespace kaj::platform
