#pragma once

#include <map>
#include <string>

#include "AutomationValue.h"

namespace kaj::controls {

// A control's persistent properties as a container saves them, with the format
// version of the control that wrote them.
struct PropertyBag {
    int versionMajor = 0;
    int versionMinor = 0;
    std::map<std::string, AutomationValue> values;

    // The stored value, or the default when the bag lacks it.
    AutomationValue value(const std::string& name, AutomationValue fallback) const {
        const auto it = values.find(name);
        return it == values.end() ? fallback : it->second;
    }
};

}  // namespace kaj::controls
