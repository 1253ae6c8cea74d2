#pragma once

#include <filesystem>
#include <string>

#include "Registry.h"

namespace kaj::controls {

// The install key of the clients of old, whose "ExePath" names the client program.
constexpr const char* kClientRegistryKey = "SOFTWARE\\Origin Worlds Online\\Ultima Online\\1.0";
// The key today's installer writes, whose "InstallDir" names the client's folder.
constexpr const char* kTodaysClientRegistryKey =
    "SOFTWARE\\Electronic Arts\\EA Games\\Ultima Online Classic";

// Where the client's folder was found.
enum class ClientFolderSource {
    Given,       // named by the caller (kajcli --client)
    Setup,       // the Setup tab's Ultima Directory
    ClassicKey,  // the classic key's ExePath
    TodaysKey,   // today's installer's InstallDir
    Nowhere,     // none of them: the current folder
};
struct ClientFolderChoice {
    std::filesystem::path folder;  // empty: the current folder
    ClientFolderSource source = ClientFolderSource::Nowhere;
};
// What a source is, for telling the user.
std::string describeClientFolderSource(ClientFolderSource source);

// The client's folder: the Setup folder when it names a folder; else the folder of
// the classic key's "ExePath" (up to its last "\") when it is one; else the
// "InstallDir" of today's key when it names a folder; else the classic key's folder
// even if it is gone; else nothing. Registry paths become paths of this system.
ClientFolderChoice chooseClientFolder(const std::filesystem::path& setupFolder,
                                      const platform::RegistryReader& registry);
// The same through this system's registry (Wine's on Linux).
ClientFolderChoice chooseSystemClientFolder(const std::filesystem::path& setupFolder);

// A data file of the client's folder (the current folder when empty), found
// whatever the letter case of its name.
std::filesystem::path clientFile(const std::filesystem::path& folder, const std::string& name);

}  // namespace kaj::controls
