#pragma once

#include <filesystem>
#include <string>

#include "CatalogueState.h"
#include "Dialogs.h"

namespace kaj::catalogue {

// What the catalogue windows ask of the console around them.
class CatalogueHost {
  public:
    virtual ~CatalogueHost() = default;

    // Types a server command into the client.
    virtual void SendCommand(const std::string& command) = 0;
    virtual CatalogueState& catalogue() = 0;
    // A full load of one catalogue from the source the settings name.
    virtual void loadItems() = 0;
    virtual void loadNpcs() = 0;
    // Set once the main window closes; until then closing a window only hides it.
    virtual bool Shutdown() const = 0;
    virtual platform::Dialogs& dialogs() = 0;
    // The folder that holds the control libraries.
    virtual std::filesystem::path controlFolder() const = 0;
};

}  // namespace kaj::catalogue
