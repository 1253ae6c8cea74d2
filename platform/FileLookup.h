#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AsciiCase.h"

namespace kaj::platform {

enum class EntryKind { Any, File, Folder };

// Finds a file as the original platform would: the exact name when it exists,
// else the first entry of the same folder, in byte order, whose name differs only
// in ASCII letter case and is of the wanted kind. Every component of a relative
// tail is looked up that way, those before the last as folders.
std::optional<std::filesystem::path> findCaseInsensitive(const std::filesystem::path& folder,
                                                         const std::filesystem::path& relative,
                                                         EntryKind last = EntryKind::Any);

// While one lives, look-ups on this thread answer from one listing of each folder,
// read the first time it is asked about (a walk of a server's packages asks each
// folder several times). For work that runs to its end while the folders stay as
// they are; scopes may nest.
struct FolderListings;

class FolderListingScope {
  public:
    FolderListingScope();
    ~FolderListingScope();
    FolderListingScope(const FolderListingScope&) = delete;
    FolderListingScope& operator=(const FolderListingScope&) = delete;

  private:
    FolderListings* outer_;
};

// The "*." listing: names of the folder's entries that hold no dot, in
// case-insensitive name order (equal names in byte order), so every walk repeats.
std::vector<std::string> listNamesWithoutExtension(const std::filesystem::path& folder);

}  // namespace kaj::platform
