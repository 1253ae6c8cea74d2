#include "PackageWalk.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "FileLookup.h"
#include "PackageConfig.h"

namespace kaj::pol {
namespace {

// identity: the folder's path with every link resolved, which tells a folder met
// again through a link.
void walk(const std::filesystem::path& folder, const std::filesystem::path& identity,
          std::vector<std::filesystem::path>& trail,
          const std::function<void(const std::filesystem::path&)>& visit) {
    if (std::find(trail.begin(), trail.end(), identity) != trail.end()) {
        return;
    }
    if (packageConfigFile(folder)) {
        visit(folder);
    }
    std::vector<std::string> children;
    for (const auto& name : platform::listNamesWithoutExtension(folder)) {
        if (platform::findCaseInsensitive(folder, name, platform::EntryKind::Folder)) {
            children.push_back(name);
        }
    }
    trail.push_back(identity);
    for (const auto& name : children) {
        // Only a link can lead back up; any other folder is its parent's, one deeper.
        const auto child = folder / name;
        std::error_code error;
        if (std::filesystem::is_symlink(child, error)) {
            const auto resolved = std::filesystem::weakly_canonical(child, error);
            if (!error) {
                walk(child, resolved, trail, visit);
            }
        } else {
            walk(child, identity / name, trail, visit);
        }
    }
    trail.pop_back();
}

}  // namespace

void walkPackages(const std::filesystem::path& folder,
                  const std::function<void(const std::filesystem::path&)>& visit) {
    // Every folder of the walk is asked about several times, here and by the visits:
    // one listing of each answers them all.
    const platform::FolderListingScope listings;
    std::error_code error;
    const auto identity = std::filesystem::weakly_canonical(folder, error);
    if (error) {
        return;
    }
    std::vector<std::filesystem::path> trail;
    walk(folder, identity, trail, visit);
}

}  // namespace kaj::pol
