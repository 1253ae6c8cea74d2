#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "TextFile.h"

namespace kaj::platform {

// The system's half of replacing a file: a temporary file of a name no other writer
// uses, in the target's folder, written, flushed and renamed over the target, then
// the folder flushed. On failure the temporary file is removed and the target is as
// it was.
WriteResult replaceThroughTemporaryFile(const std::filesystem::path& target, std::string_view bytes,
                                        const WriteOptions& options);

// A temporary name beside the target, distinct for each call within this process
// and, through the process number, from other processes' names.
std::filesystem::path temporaryNameFor(const std::filesystem::path& target);

}  // namespace kaj::platform
