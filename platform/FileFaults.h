#pragma once

#include <filesystem>
#include <functional>

namespace kaj::platform {

// The steps of reading and replacing a file. Every one asks the fault hook first,
// so that tests can fail any of them the way a full disk, a failing disk or a
// refused permission would.
enum class FileStep {
    Read,    // reading a whole file
    Open,    // creating the temporary file of a replacement
    Write,   // writing bytes into it
    Sync,    // flushing it to the disk
    Rename,  // putting it in the target's place
    Copy,    // reading the source of a copy (a backup)
};

// Returns 0 to let the step run, or the error number (ENOSPC, EIO, EACCES...) it
// fails with. No hook is set outside tests.
using FileFaultHook = std::function<int(FileStep step, const std::filesystem::path& path)>;
void setFileFaultHook(FileFaultHook hook);
int injectedFileFault(FileStep step, const std::filesystem::path& path);

}  // namespace kaj::platform
