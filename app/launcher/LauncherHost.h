#pragma once

#include "Dialogs.h"
#include "KajSettings.h"
#include "Shell.h"

namespace kaj::launcher {

// What the Launcher tab asks of the console around it.
class LauncherHost {
  public:
    virtual ~LauncherHost() = default;

    // The shard lists, the last-used fields and the Ultima Online directory.
    virtual console::ConsoleSettings& settings() = 0;
    // Set from "Edit" to "Done" or "Cancel"; location editing has a flag of its own.
    virtual bool& EditShard() = 0;
    virtual platform::Dialogs& dialogs() = 0;
    virtual platform::Shell& shell() = 0;
};

}  // namespace kaj::launcher
