#pragma once

#include <filesystem>
#include <string>

#include "Dialogs.h"
#include "TravelState.h"

namespace kaj::travel {

// What the travel page asks of the console around it.
class TravelHost {
  public:
    virtual ~TravelHost() = default;

    virtual void SendCommand(const std::string& command) = 0;
    virtual TravelState& travel() = 0;
    virtual platform::Dialogs& dialogs() = 0;
    // The folder that holds KajMap.scp.
    virtual std::filesystem::path programFolder() const = 0;
};

}  // namespace kaj::travel
