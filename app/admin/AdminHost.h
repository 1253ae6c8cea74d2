#pragma once

#include <filesystem>

#include "Dialogs.h"

namespace kaj::admin {

// What the server-file windows ask of the console around them.
class AdminHost {
  public:
    virtual ~AdminHost() = default;

    // The POL server's folder the settings name (empty when none is set).
    virtual std::filesystem::path serverFolder() const = 0;
    virtual platform::Dialogs& dialogs() = 0;
};

}  // namespace kaj::admin
