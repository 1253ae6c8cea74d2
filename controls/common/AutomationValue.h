#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kaj::controls {

// A value crossing a control's dispatch interface: nothing, a 16-bit or 32-bit
// integer, or a Boolean.
using AutomationValue = std::variant<std::monostate, std::int16_t, std::int32_t, bool>;

// The value as a whole number, whatever integer kind it came as (Booleans are
// -1 and 0, as automation writes them).
std::optional<std::int64_t> automationInteger(const AutomationValue& value);
std::int16_t toInt16(const AutomationValue& value);
std::int32_t toInt32(const AutomationValue& value);
bool toBool(const AutomationValue& value);

}  // namespace kaj::controls
