#include "FileLookup.h"

#include <algorithm>
#include <system_error>

namespace kaj::platform {
namespace {

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

std::vector<std::string> listNamesWithoutExtension(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.find('.') == std::string::npos) {
            names.push_back(name);
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
