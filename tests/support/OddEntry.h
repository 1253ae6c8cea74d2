#pragma once

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <string>
#include <vector>

#include "FileSystemTraits.h"

namespace kaj::testing {

// What may stand where a program expects a file.
enum class OddEntry { Missing, Folder, Fifo, DanglingLink };

inline const char* oddEntryName(OddEntry kind) {
    switch (kind) {
        case OddEntry::Missing:
            return "missing";
        case OddEntry::Folder:
            return "a folder";
        case OddEntry::Fifo:
            return "a FIFO";
        case OddEntry::DanglingLink:
            return "a dangling link";
    }
    return "?";
}

// What can stand in a file's place here besides a regular file: Windows has no
// FIFOs, and only some users may make links there.
inline std::vector<OddEntry> oddEntriesOfThisSystem() {
    if (!kLinksCanBeMade) {
        return {OddEntry::Folder};
    }
    return {OddEntry::Folder, OddEntry::Fifo, OddEntry::DanglingLink};
}

// Puts that in the file's place; false when it could not be made.
inline bool putOddEntry(const std::filesystem::path& file, OddEntry kind) {
    std::filesystem::remove_all(file);
    std::filesystem::create_directories(file.parent_path());
    switch (kind) {
        case OddEntry::Missing:
            return true;
        case OddEntry::Folder:
            return std::filesystem::create_directories(file / "inside");
        case OddEntry::Fifo:
#ifdef _WIN32
            return false;
#else
            return ::mkfifo(file.c_str(), 0644) == 0;
#endif
        case OddEntry::DanglingLink:
            std::filesystem::create_symlink(file.parent_path() / "nowhere", file);
            return true;
    }
    return false;
}

}  // namespace kaj::testing
