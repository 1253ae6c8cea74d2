#pragma once

#include <cstdint>
#include <filesystem>

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
    // The console's own folder, where ClassicUO's settings for each shard go.
    virtual std::filesystem::path programFolder() const = 0;
    // The client the launcher started: its window is chosen without asking.
    virtual void clientStarted(std::uint64_t process) = 0;
};

}  // namespace kaj::launcher
