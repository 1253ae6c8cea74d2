#include "KajSettings.h"

#include <array>
#include <string_view>
#include <system_error>

#include "SortedTextList.h"
#include "TextRoutines.h"

namespace kaj::console {
namespace {

enum class Key {
    Position,
    PolPath,
    UoPath,
    Server,
    LastServer,
    LastIp,
    LastAccount,
    LastPassword,
    LastPort,
    LastClient,
    Option,
    UserCommand,
    ClientKind,
    ClientTitle,
};

struct Pattern {
    std::string prefix;  // upper case, ends in "="
    Key key;
    int index;  // which position, option or user-command slot
};

// In the order the keys are matched; the first that matches a line decides.
const std::vector<Pattern>& patterns() {
    static const std::vector<Pattern> table = [] {
        std::vector<Pattern> p = {
            {"WINLEFT=", Key::Position, 0},
            {"WINTOP=", Key::Position, 1},
            {"MAPLEFT=", Key::Position, 2},
            {"MAPTOP=", Key::Position, 3},
            {"ITEMLEFT=", Key::Position, 4},
            {"ITEMTOP=", Key::Position, 5},
            {"NPCLEFT=", Key::Position, 6},
            {"NPCTOP=", Key::Position, 7},
            {"POLPATH=", Key::PolPath, 0},
            {"UOPATH=", Key::UoPath, 0},
            {"SERVER=", Key::Server, 0},
            {"LASTSERVER=", Key::LastServer, 0},
            {"LASTIP=", Key::LastIp, 0},
            {"LASTACCOUNT=", Key::LastAccount, 0},
            {"LASTPASSWORD=", Key::LastPassword, 0},
            {"LASTPORT=", Key::LastPort, 0},
            {"LASTCLIENT=", Key::LastClient, 0},
            {"LOADSCRIPTS=", Key::Option, 0},
            {"SENDENTER=", Key::Option, 1},
            {"AUTOSHOWLAUNCHER=", Key::Option, 2},
            {"STAYONTOP=", Key::Option, 3},
            {"DRAWSTATICS=", Key::Option, 4},
            {"USEKAJSCRIPTS=", Key::Option, 5},
            {"CLIENTKIND=", Key::ClientKind, 0},
            {"CLIENTTITLE=", Key::ClientTitle, 0},
        };
        for (int slot = 0; slot < kUserCommandSlots; ++slot) {
            p.push_back({"USERCMD" + std::to_string(slot) + "=", Key::UserCommand, slot});
        }
        return p;
    }();
    return table;
}

constexpr std::array<const char*, kWindowPositionCount> kPositionKeys = {
    "WINLEFT", "WINTOP", "MAPLEFT", "MAPTOP", "ITEMLEFT", "ITEMTOP", "NPCLEFT", "NPCTOP"};
constexpr std::array<const char*, kOptionCount> kOptionKeys = {
    "LOADSCRIPTS", "SENDENTER", "AUTOSHOWLAUNCHER", "STAYONTOP", "DRAWSTATICS", "USEKAJSCRIPTS"};

// A position must be a whole number; out of the 16-bit range it is clamped.
std::int16_t parsePosition(const std::string& value) {
    std::string_view digits = value;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return 0;
    }
    long long magnitude = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return 0;
        }
        if (magnitude <= 40000) {
            magnitude = magnitude * 10 + (c - '0');
        }
    }
    const long long number = negative ? -magnitude : magnitude;
    if (number < -32768)
        return -32768;
    if (number > 32767)
        return 32767;
    return static_cast<std::int16_t>(number);
}

int parseOptionState(const std::string& value) {
    if (value == "1")
        return 1;
    if (value == "2")
        return 2;
    return 0;
}

}  // namespace

ConsoleSettings::ConsoleSettings() {
    ListUserCommands.fill(kEmptyUserCommand);
}

std::size_t ConsoleSettings::addServer(std::string record) {
    std::string name = common::ExtractPacked(record, 1);
    const std::size_t index = common::insertSorted(ListServers, std::move(record));
    ListShards.insert(ListShards.begin() + static_cast<std::ptrdiff_t>(index), std::move(name));
    return index;
}

void applyIniLines(ConsoleSettings& settings, const std::vector<std::string>& lines) {
    settings.ListServers.clear();
    settings.ListShards.clear();
    for (const auto& line : lines) {
        const std::string upper = common::toUpperAscii(line);
        for (const auto& pattern : patterns()) {
            if (!upper.starts_with(pattern.prefix)) {
                continue;
            }
            std::string value = common::ValueOf(line).value_or("");
            switch (pattern.key) {
                case Key::Position:
                    settings.positions[pattern.index] = parsePosition(value);
                    break;
                case Key::PolPath:
                    settings.polPath = std::move(value);
                    break;
                case Key::UoPath:
                    settings.uoPath = std::move(value);
                    break;
                case Key::Server:
                    settings.addServer(std::move(value));
                    break;
                case Key::LastServer:
                    settings.lastServer = std::move(value);
                    break;
                case Key::LastIp:
                    settings.lastIp = std::move(value);
                    break;
                case Key::LastAccount:
                    settings.lastAccount = std::move(value);
                    break;
                case Key::LastPassword:
                    settings.lastPassword = std::move(value);
                    break;
                case Key::LastPort:
                    settings.lastPort = std::move(value);
                    break;
                case Key::LastClient:
                    settings.lastClient = std::move(value);
                    break;
                case Key::Option:
                    settings.optionStates[pattern.index] = parseOptionState(value);
                    break;
                case Key::UserCommand:
                    settings.ListUserCommands[pattern.index] =
                        value.empty() ? kEmptyUserCommand : value;
                    break;
                case Key::ClientKind:
                    settings.clientKind = clientKindNamed(value);
                    break;
                case Key::ClientTitle:
                    settings.clientTitle = std::move(value);
                    break;
            }
            break;
        }
    }
}

std::vector<std::string> iniLines(const ConsoleSettings& settings) {
    std::vector<std::string> lines;
    lines.push_back("POLPATH=" + common::trimBlanks(settings.polPath));
    lines.push_back("UOPATH=" + common::trimBlanks(settings.uoPath));
    lines.push_back("LASTSERVER=" + settings.lastServer);
    lines.push_back("LASTIP=" + settings.lastIp);
    lines.push_back("LASTACCOUNT=" + settings.lastAccount);
    lines.push_back("LASTPASSWORD=" + settings.lastPassword);
    lines.push_back("LASTPORT=" + settings.lastPort);
    lines.push_back("LASTCLIENT=" + settings.lastClient);
    for (int i = 0; i < kOptionCount; ++i) {
        lines.push_back(std::string(kOptionKeys[i]) + "=" +
                        std::to_string(settings.optionStates[i]));
    }
    for (int i = 0; i < kWindowPositionCount; ++i) {
        lines.push_back(std::string(kPositionKeys[i]) + "=" +
                        std::to_string(settings.positions[i]));
    }
    for (const auto& server : settings.ListServers) {
        lines.push_back("SERVER=" + server);
    }
    for (int slot = 0; slot < kUserCommandSlots; ++slot) {
        lines.push_back("USERCMD" + std::to_string(slot) + "=" + settings.ListUserCommands[slot]);
    }
    lines.push_back(std::string("CLIENTKIND=") + clientKindName(settings.clientKind));
    lines.push_back("CLIENTTITLE=" + settings.clientTitle);
    return lines;
}

const char* clientKindName(platform::ClientKind kind) {
    switch (kind) {
        case platform::ClientKind::ClassicUO:
            return "classicuo";
        case platform::ClientKind::Custom:
            return "custom";
        case platform::ClientKind::Classic:
            break;
    }
    return "classic";
}

platform::ClientKind clientKindNamed(std::string_view name) {
    const std::string upper = common::toUpperAscii(name);
    if (upper == "CLASSICUO") {
        return platform::ClientKind::ClassicUO;
    }
    if (upper == "CUSTOM") {
        return platform::ClientKind::Custom;
    }
    return platform::ClientKind::Classic;
}

std::string userCommandCaption(const std::string& entry) {
    return entry.substr(0, entry.find('|'));
}

IniLoad loadIniFile(const std::filesystem::path& path, ConsoleSettings& settings) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        settings.ListServers.clear();
        settings.ListShards.clear();
        return IniLoad::Missing;
    }
    const auto lines = platform::readTextLines(path);
    if (!lines) {
        settings.ListServers.clear();
        settings.ListShards.clear();
        return IniLoad::Unreadable;
    }
    applyIniLines(settings, *lines);
    return IniLoad::Loaded;
}

platform::WriteResult saveIniFile(const std::filesystem::path& path,
                                  const ConsoleSettings& settings) {
    // It holds passwords: owner-only whatever an earlier file allowed.
    return platform::writeTextLines(path, iniLines(settings),
                                    {.ownerOnly = true, .keepMode = false});
}

}  // namespace kaj::console
