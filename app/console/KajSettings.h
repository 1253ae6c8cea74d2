#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "TextFile.h"
#include "WindowChoice.h"

namespace kaj::console {

constexpr int kUserCommandSlots = 24;
constexpr const char* kEmptyUserCommand = " | ";

// Saved window positions in twips, in the order the file lists them.
enum class WindowPosition { WinLeft, WinTop, MapLeft, MapTop, ItemLeft, ItemTop, NpcLeft, NpcTop };
constexpr int kWindowPositionCount = 8;

// The six options of the Setup tab, in the order the file lists them.
enum class Option {
    LoadScripts,
    SendEnter,
    AutoShowLauncher,
    StayOnTop,
    DrawStatics,
    UseKajScripts
};
constexpr int kOptionCount = 6;

// Everything Kaj.ini holds. A default-constructed value is the state before
// loading: empty texts, zero positions, "Use Kaj Data Files" ticked, empty slots.
struct ConsoleSettings {
    std::array<std::int16_t, kWindowPositionCount> positions{};
    std::string polPath;  // the folders are path texts (UTF-8); every other text is
    std::string uoPath;   // Windows-1252
    std::string lastServer;
    std::string lastIp;
    std::string lastAccount;
    std::string lastPassword;
    std::string lastPort;
    std::string lastClient;
    std::array<int, kOptionCount> optionStates{0, 0, 0, 0, 0, 1};  // 0 clear, 1 ticked, 2 grey
    std::vector<std::string> ListServers;                          // shard records, sorted
    std::vector<std::string> ListShards;  // entry i is the name of ListServers[i]
    std::array<std::string, kUserCommandSlots> ListUserCommands;
    platform::ClientKind clientKind =
        platform::ClientKind::Classic;  // which windows are the client
    std::string clientTitle;            // the custom client's title

    ConsoleSettings();

    std::int16_t& position(WindowPosition which) { return positions[static_cast<int>(which)]; }
    std::int16_t position(WindowPosition which) const { return positions[static_cast<int>(which)]; }
    int& optionState(Option which) { return optionStates[static_cast<int>(which)]; }
    int optionState(Option which) const { return optionStates[static_cast<int>(which)]; }
    bool isOn(Option which) const { return optionState(which) == 1; }

    // Adds a shard record at its sorted place, with its name at the same index;
    // returns that index.
    std::size_t addServer(std::string record);
};

// Kaj.ini is Windows-1252 text but for POLPATH and UOPATH, written as UTF-8 so that
// a folder named in any script survives; such a line that is not valid UTF-8 is
// an older file's Windows-1252 and is read as that.
// Reads the lines of Kaj.ini into settings, which hold the state before loading;
// the shard lists are cleared first, keys absent from the lines stay as they were.
void applyIniLines(ConsoleSettings& settings, const std::vector<std::string>& lines);
std::vector<std::string> iniLines(const ConsoleSettings& settings);

// The client kinds as Kaj.ini names them: classic, classicuo, custom (any case;
// anything else reads as classic).
const char* clientKindName(platform::ClientKind kind);
platform::ClientKind clientKindNamed(std::string_view name);

// The caption of a user-command entry: the part before the first "|".
std::string userCommandCaption(const std::string& entry);

enum class IniLoad { Loaded, Missing, Unreadable };
IniLoad loadIniFile(const std::filesystem::path& path, ConsoleSettings& settings);
platform::WriteResult saveIniFile(const std::filesystem::path& path,
                                  const ConsoleSettings& settings);

}  // namespace kaj::console
