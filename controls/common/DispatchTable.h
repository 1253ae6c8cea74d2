#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "AutomationValue.h"

namespace kaj::controls {

// The members of a control's dispatch interface, reachable by name (letter case
// ignored, as automation does) and by dispatch id.
class DispatchTable {
  public:
    using Getter = std::function<AutomationValue()>;
    using Putter = std::function<void(const AutomationValue&)>;
    // Arguments passed by reference are written back into the vector.
    using Method = std::function<AutomationValue(std::vector<AutomationValue>&)>;

    void addProperty(int id, std::string name, Getter get, Putter put);
    void addMethod(int id, std::string name, std::size_t argumentCount, Method method);

    std::optional<int> idOf(const std::string& name) const;
    std::optional<std::string> nameOf(int id) const;
    std::vector<int> ids() const;

    // False when the id is unknown, the member is not of that kind, or a method gets
    // the wrong number of arguments.
    bool get(int id, AutomationValue& out) const;
    bool put(int id, const AutomationValue& value) const;
    // Arguments passed by reference come back changed in the vector.
    bool invoke(int id, std::vector<AutomationValue>& arguments, AutomationValue& result) const;
    bool invoke(int id, std::vector<AutomationValue>&& arguments, AutomationValue& result) const {
        return invoke(id, arguments, result);
    }

  private:
    struct Member {
        int id;
        std::string name;
        Getter get;
        Putter put;
        Method method;
        std::size_t argumentCount = 0;
    };
    const Member* find(int id) const;

    std::vector<Member> members_;
};

}  // namespace kaj::controls
