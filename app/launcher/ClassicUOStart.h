#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ShardRecords.h"

namespace kaj::launcher {

// Whether a client path names ClassicUO (ClassicUO.exe, ClassicUO, ClassicUO.bin.x86_64
// or ClassicUO.sh, in any letter case), which the launcher starts with arguments of
// its own instead of rewriting login.cfg and uo.cfg.
bool isClassicUO(std::string_view clientPath);

// A password in the form ClassicUO reads from its settings: "1-", then each byte
// XOR the byte of the machine's name at the same place (the name repeating), as two
// upper-case hexadecimal digits. ClassicUO undoes it with the same name; an empty
// name leaves the password as it is, which ClassicUO also reads.
std::string classicUOPassword(std::string_view password, std::string_view machine);

// The settings file handed to ClassicUO for a shard: account, password, server and
// the Ultima Online directory (a path text), as JSON (the shard's texts turned from
// Windows-1252 into UTF-8).
std::string classicUOSettings(const ShardFields& shard, const std::string& uoFolder,
                              std::string_view machine);
// Its file name in the console's folder for a shard.
std::filesystem::path classicUOSettingsFile(const std::filesystem::path& folder,
                                            const std::string& shardName);

// The command line after the program, as UTF-8: -settings, -ip, -port, -username,
// -uopath.
std::vector<std::string> classicUOArguments(const std::filesystem::path& settingsFile,
                                            const ShardFields& shard, const std::string& uoFolder);
// A value ClassicUO would take for an option (it begins with "-"), named, or nothing.
std::optional<std::string> classicUORefusal(const ShardFields& shard, const std::string& uoFolder);

}  // namespace kaj::launcher
