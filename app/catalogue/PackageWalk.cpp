#include "PackageWalk.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "FileLookup.h"

namespace kaj::catalogue {
namespace {

void walk(const std::filesystem::path& folder, std::vector<std::filesystem::path>& trail,
          const std::function<void(const std::filesystem::path&)>& visit) {
    std::error_code error;
    const auto identity = std::filesystem::weakly_canonical(folder, error);
    if (error || std::find(trail.begin(), trail.end(), identity) != trail.end()) {
        return;
    }
    if (platform::findCaseInsensitive(folder, "pkg.cfg", platform::EntryKind::File)) {
        visit(folder);
    }
    std::vector<std::filesystem::path> children;
    for (const auto& name : platform::listNamesWithoutExtension(folder)) {
        children.push_back(folder / name);
    }
    trail.push_back(identity);
    for (const auto& child : children) {
        if (std::filesystem::is_directory(child, error)) {
            walk(child, trail, visit);
        }
    }
    trail.pop_back();
}

}  // namespace

void walkPackages(const std::filesystem::path& folder,
                  const std::function<void(const std::filesystem::path&)>& visit) {
    std::vector<std::filesystem::path> trail;
    walk(folder, trail, visit);
}

}  // namespace kaj::catalogue
