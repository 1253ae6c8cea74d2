#include <unistd.h>

#include <fstream>
#include <sstream>

#include "Processes.h"

namespace kaj::platform {
namespace {

// The parent of a process from /proc/PID/stat; 0 when it cannot be read.
std::uint64_t parentOf(std::uint64_t processId) {
    std::ifstream in("/proc/" + std::to_string(processId) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The name in parentheses may hold blanks and parentheses: read after the last ")".
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) {
        return 0;
    }
    std::istringstream fields(stat.substr(close + 1));
    std::string state;
    std::uint64_t parent = 0;
    fields >> state >> parent;
    return parent;
}

}  // namespace

std::string processName(std::uint64_t processId) {
    std::ifstream in("/proc/" + std::to_string(processId) + "/comm");
    std::string name;
    std::getline(in, name);
    return name;
}

bool isSameOrDescendant(std::uint64_t processId, std::uint64_t ancestor) {
    for (int depth = 0; processId > 1 && depth < 64; ++depth) {
        if (processId == ancestor) {
            return true;
        }
        processId = parentOf(processId);
    }
    return false;
}

std::string machineName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        return {};
    }
    const std::string host = name;
    return host.substr(0, host.find('.'));
}

}  // namespace kaj::platform
