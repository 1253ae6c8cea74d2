#include "DispatchTable.h"

#include "FileLookup.h"

namespace kaj::controls {
void DispatchTable::addProperty(int id, std::string name, Getter get, Putter put) {
    members_.push_back({id, std::move(name), std::move(get), std::move(put), {}, 0});
}

void DispatchTable::addMethod(int id, std::string name, std::size_t argumentCount, Method method) {
    members_.push_back({id, std::move(name), {}, {}, std::move(method), argumentCount});
}

std::optional<int> DispatchTable::idOf(const std::string& name) const {
    for (const auto& member : members_) {
        if (platform::equalsIgnoringAsciiCase(member.name, name))
            return member.id;
    }
    return std::nullopt;
}

std::optional<std::string> DispatchTable::nameOf(int id) const {
    if (const Member* member = find(id))
        return member->name;
    return std::nullopt;
}

std::vector<int> DispatchTable::ids() const {
    std::vector<int> all;
    for (const auto& member : members_)
        all.push_back(member.id);
    return all;
}

const DispatchTable::Member* DispatchTable::find(int id) const {
    for (const auto& member : members_) {
        if (member.id == id)
            return &member;
    }
    return nullptr;
}

bool DispatchTable::get(int id, AutomationValue& out) const {
    const Member* member = find(id);
    if (member == nullptr || !member->get)
        return false;
    out = member->get();
    return true;
}

bool DispatchTable::put(int id, const AutomationValue& value) const {
    const Member* member = find(id);
    if (member == nullptr || !member->put)
        return false;
    member->put(value);
    return true;
}

bool DispatchTable::invoke(int id, std::vector<AutomationValue>& arguments,
                           AutomationValue& result) const {
    const Member* member = find(id);
    if (member == nullptr || !member->method || arguments.size() != member->argumentCount)
        return false;
    result = member->method(arguments);
    return true;
}

}  // namespace kaj::controls
