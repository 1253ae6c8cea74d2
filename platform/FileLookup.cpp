#include "FileLookup.h"

#include <algorithm>
#include <system_error>
#include <unordered_map>

namespace kaj::platform {
namespace {

// A folder's entries as one listing gives them, in byte order of their names.
struct ListedEntry {
    std::string name;
    bool file = false;    // a regular file, through a link too
    bool folder = false;  // a folder, through a link too
};
using Listing = std::vector<ListedEntry>;

}  // namespace

struct FolderListings {
    std::unordered_map<std::string, Listing> byFolder;
};

namespace {

// The listings of the innermost FolderListingScope of this thread.
thread_local FolderListings* listings = nullptr;

Listing readListing(const std::filesystem::path& folder) {
    Listing listing;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kindError;
        ListedEntry entry{it->path().filename().string(), it->is_regular_file(kindError),
                          it->is_directory(kindError)};
        listing.push_back(std::move(entry));
    }
    std::sort(listing.begin(), listing.end(),
              [](const ListedEntry& a, const ListedEntry& b) { return a.name < b.name; });
    return listing;
}

const Listing& listingOf(const std::filesystem::path& folder) {
    auto& kept = listings->byFolder;
    const auto found = kept.find(folder.string());
    if (found != kept.end()) {
        return found->second;
    }
    return kept.emplace(folder.string(), readListing(folder)).first->second;
}

bool isOfKind(const ListedEntry& entry, EntryKind kind) {
    switch (kind) {
        case EntryKind::File:
            return entry.file;
        case EntryKind::Folder:
            return entry.folder;
        default:
            return true;
    }
}

// The exact name, else the first in byte order that differs only in letter case.
std::optional<std::filesystem::path> findListed(const std::filesystem::path& folder,
                                                const std::string& name, EntryKind kind) {
    const Listing& listing = listingOf(folder);
    const auto exact = std::lower_bound(
        listing.begin(), listing.end(), name,
        [](const ListedEntry& entry, const std::string& wanted) { return entry.name < wanted; });
    if (exact != listing.end() && exact->name == name && isOfKind(*exact, kind)) {
        return folder / name;
    }
    for (const auto& entry : listing) {
        if (equalsIgnoringAsciiCase(entry.name, name) && isOfKind(entry, kind)) {
            return folder / entry.name;
        }
    }
    return std::nullopt;
}

bool isOfKind(const std::filesystem::directory_entry& entry, EntryKind kind) {
    std::error_code error;
    switch (kind) {
        case EntryKind::File:
            return entry.is_regular_file(error);
        case EntryKind::Folder:
            return entry.is_directory(error);
        default:
            return true;
    }
}

std::optional<std::filesystem::path> findEntry(const std::filesystem::path& folder,
                                               const std::string& name, EntryKind kind) {
    if (listings != nullptr) {
        return findListed(folder, name, kind);
    }
    std::error_code error;
    const auto exact = folder / name;
    if (const std::filesystem::directory_entry entry(exact, error);
        !error && entry.exists(error) && isOfKind(entry, kind)) {
        return exact;
    }
    std::vector<std::string> matches;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (equalsIgnoringAsciiCase(candidate, name) && isOfKind(*it, kind)) {
            matches.push_back(candidate);
        }
    }
    if (matches.empty()) {
        return std::nullopt;
    }
    std::sort(matches.begin(), matches.end());
    return folder / matches.front();
}

}  // namespace

std::optional<std::filesystem::path> findCaseInsensitive(const std::filesystem::path& folder,
                                                         const std::filesystem::path& relative,
                                                         EntryKind last) {
    std::filesystem::path current = folder;
    if (relative.empty()) {
        return current;
    }
    const auto lastPart = std::prev(relative.end());
    for (auto part = relative.begin(); part != relative.end(); ++part) {
        const std::string name = part->string();
        if (name.empty() || name == ".") {
            continue;
        }
        if (name == "..") {
            current = current.parent_path();
            continue;
        }
        auto next = findEntry(current, name, part == lastPart ? last : EntryKind::Folder);
        if (!next) {
            return std::nullopt;
        }
        current = *next;
    }
    return current;
}

FolderListingScope::FolderListingScope() : outer_(listings) {
    listings = new FolderListings();
}

FolderListingScope::~FolderListingScope() {
    delete listings;
    listings = outer_;
}

std::vector<std::string> listNamesWithoutExtension(const std::filesystem::path& folder) {
    const Listing fresh = listings == nullptr ? readListing(folder) : Listing{};
    std::vector<std::string> names;
    for (const auto& entry : listings == nullptr ? fresh : listingOf(folder)) {
        if (entry.name.find('.') == std::string::npos) {
            names.push_back(entry.name);
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        if (lessIgnoringAsciiCase(a, b))
            return true;
        if (lessIgnoringAsciiCase(b, a))
            return false;
        return a < b;
    });
    return names;
}

}  // namespace kaj::platform
