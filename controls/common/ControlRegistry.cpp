#include "ControlRegistry.h"

namespace kaj::controls {

ControlRegistry& ControlRegistry::instance() {
    static ControlRegistry registry;
    return registry;
}

bool ControlRegistry::add(ControlClass entry) {
    if (find(entry.programId)) {
        return false;
    }
    classes_.push_back(std::move(entry));
    return true;
}

bool ControlRegistry::remove(const std::string& programId) {
    for (auto it = classes_.begin(); it != classes_.end(); ++it) {
        if (it->programId == programId) {
            classes_.erase(it);
            return true;
        }
    }
    return false;
}

std::optional<ControlClass> ControlRegistry::find(const std::string& programId) const {
    for (const auto& entry : classes_) {
        if (entry.programId == programId)
            return entry;
    }
    return std::nullopt;
}

QWidget* ControlRegistry::create(const std::string& programId, QWidget* parent) const {
    const auto entry = find(programId);
    return entry && entry->create ? entry->create(parent) : nullptr;
}

std::vector<std::string> ControlRegistry::programIds() const {
    std::vector<std::string> ids;
    for (const auto& entry : classes_)
        ids.push_back(entry.programId);
    return ids;
}

}  // namespace kaj::controls
