#include "PackageManager.h"

#include "BackedUpWrite.h"
#include "PackageConfig.h"
#include "PackageWalk.h"
#include "PathText.h"
#include "ServerConfigLine.h"
#include "TextFile.h"

namespace kaj::admin {
namespace {}  // namespace

PackageManager::PackageManager(std::filesystem::path serverFolder)
    : serverFolder_(std::move(serverFolder)) {}

void PackageManager::load() {
    packages_.clear();
    if (serverFolder_.empty()) {
        return;
    }
    pol::walkPackages(serverFolder_, [this](const std::filesystem::path& folder) {
        // A pkg.cfg that cannot be read is skipped, as the walk goes on.
        if (const auto lines = pol::readPackageConfig(folder)) {
            packages_.push_back({packageName(*lines), folder});
        }
    });
}

std::vector<std::string> PackageManager::names() const {
    std::vector<std::string> names;
    for (const auto& package : packages_) {
        names.push_back(package.name);
    }
    return names;
}

std::optional<PackageForm> PackageManager::show(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= packages_.size()) {
        return std::nullopt;
    }
    const auto lines = pol::readPackageConfig(packages_[static_cast<std::size_t>(index)].folder);
    if (!lines) {
        return std::nullopt;
    }
    return parsePackage(*lines);
}

std::optional<std::string> PackageManager::refuseEdit(int selected) const {
    if (packages_.empty()) {
        return "You must load the packages first, then select a package to Edit";
    }
    if (selected < 0) {
        return "You must first select an package to Edit";
    }
    return std::nullopt;
}

std::optional<std::string> PackageManager::save(int index, const PackageForm& form) const {
    if (index < 0 || static_cast<std::size_t>(index) >= packages_.size()) {
        return "You must first select an package to Edit";
    }
    if (auto refused = packageRefusal(form)) {
        return refused;
    }
    const auto& folder = packages_[static_cast<std::size_t>(index)].folder;
    const auto file = pol::packageConfigFile(folder).value_or(folder / "pkg.cfg");
    const auto oldLines = platform::readTextLines(file);
    if (!oldLines) {
        return platform::pathInMessage(file) + " could not be read. It was not changed.";
    }
    const bool mark = !oldLines->empty() && oldLines->front().starts_with(pol::kByteOrderMark);
    return writeWithBackup(file, folder / "pkg.old", packageLines(*oldLines, form), mark);
}

ListSearch::Outcome PackageManager::search(const std::string& text) {
    return search_.search(names(), text);
}

ListSearch::Outcome PackageManager::searchAgain() {
    return search_.searchAgain(names());
}

}  // namespace kaj::admin
