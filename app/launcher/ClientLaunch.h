#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ShardRecords.h"
#include "Shell.h"

namespace kaj::launcher {

constexpr const char* kLoginCfgMissing = "Warning could not open login.cfg.  Check your UO Path.";
constexpr const char* kUoCfgMissing = "Warning could not open uo.cfg.  Check your UO Path.";
constexpr const char* kClientMissing =
    "Warning could not launch client.  Check your path and filename.";

// The password as uo.cfg holds it: every byte A becomes A + 13, wrapped past 127
// to (A + 13) mod 127 + 32.
std::string OSIEncrypt(std::string_view password);

// login.cfg as written for a shard.
std::vector<std::string> loginCfgLines(const ShardFields& shard);
// uo.cfg as written: the old lines that stay (trimmed, comments cut, the four
// login keys dropped), then the five lines of the account.
std::vector<std::string> uoCfgLines(const std::vector<std::string>& oldLines,
                                    const ShardFields& shard);

struct LaunchRequest {
    std::string uoFolder;                  // the Ultima Online directory, a path text
    ShardFields shard;                     // the six boxes as they stand
    bool start = true;                     // false: write the files, start nothing
    std::filesystem::path settingsFolder;  // where ClassicUO's settings for a shard go
};

struct LaunchOutcome {
    bool ok = true;
    std::vector<std::string> messages;  // what the user is told, in order
    std::optional<std::uint64_t> startedProcess;
};

// Points the client at the shard through login.cfg and uo.cfg (each written whole
// or not at all, keeping its permissions) and starts the client program through
// the shell in its own folder. Stops at the first file it cannot find or write.
// ClassicUO is started instead with the shard on its command line and the
// password in an owner-only settings file; its login.cfg and uo.cfg stay as they are.
LaunchOutcome launchClient(const LaunchRequest& request, platform::Shell& shell);

}  // namespace kaj::launcher
