#include "AutomationValue.h"

namespace kaj::controls {

std::optional<std::int64_t> automationInteger(const AutomationValue& value) {
    if (const auto* v16 = std::get_if<std::int16_t>(&value))
        return *v16;
    if (const auto* v32 = std::get_if<std::int32_t>(&value))
        return *v32;
    if (const auto* b = std::get_if<bool>(&value))
        return *b ? -1 : 0;
    return std::nullopt;
}

std::int16_t toInt16(const AutomationValue& value) {
    return static_cast<std::int16_t>(automationInteger(value).value_or(0));
}

std::int32_t toInt32(const AutomationValue& value) {
    return static_cast<std::int32_t>(automationInteger(value).value_or(0));
}

bool toBool(const AutomationValue& value) {
    return automationInteger(value).value_or(0) != 0;
}

}  // namespace kaj::controls
