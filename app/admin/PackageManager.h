#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ListSearch.h"
#include "PackageFile.h"

namespace kaj::admin {

// The Package Manager's work on the pkg.cfg files below a server folder: the list
// of packages, showing and saving one with a backup, searching. The window and
// kajcli drive it alike.
class PackageManager {
  public:
    struct Package {
        std::string name;  // the first Name line's value, as the list shows it
        std::filesystem::path folder;
    };

    explicit PackageManager(std::filesystem::path serverFolder);
    // The folder the next Load Packages walks (the setting may have changed).
    void setServerFolder(std::filesystem::path serverFolder) {
        serverFolder_ = std::move(serverFolder);
    }

    // Load Packages: every package below the server folder, in the walk's order.
    void load();
    const std::vector<Package>& packages() const { return packages_; }
    std::vector<std::string> names() const;
    // The package's pkg.cfg as the frame shows it; nothing when it cannot be read.
    std::optional<PackageForm> show(int index) const;
    std::optional<std::string> refuseEdit(int selected) const;
    // OK after its question was answered Yes: pkg.old, then pkg.cfg; why not.
    std::optional<std::string> save(int index, const PackageForm& form) const;

    ListSearch::Outcome search(const std::string& text);
    ListSearch::Outcome searchAgain();

    const std::filesystem::path& serverFolder() const { return serverFolder_; }

  private:
    std::filesystem::path serverFolder_;
    std::vector<Package> packages_;
    ListSearch search_{"You must load the packages first"};
};

constexpr const char* kSavePackageQuestion =
    "Are you sure you want to save the pkg.cfg?\r\nA backup will be made under the name "
    "of\r\npkg.old ";

}  // namespace kaj::admin
