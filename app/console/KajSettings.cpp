#include "KajSettings.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <system_error>

#include "LeadingDigits.h"
#include "PathText.h"
#include "SortedTextList.h"
#include "TextRoutines.h"

namespace kaj::console {
namespace {

enum class ValueKind { Text, PathText, Position, Option, Servers, UserCommand, ClientKind };

// One key of the file: its name, what its value is, and where the settings keep it
// (a text member, or the index of a position, option or user-command slot).
struct IniKey {
    std::string name;  // upper case
    ValueKind kind;
    std::string ConsoleSettings::*text = nullptr;
    int index = 0;
};

// In the order the file is written. No name is the start of another followed by
// "=", so a line matches at most one key.
const std::vector<IniKey>& iniKeys() {
    static const std::vector<IniKey> table = [] {
        std::vector<IniKey> keys = {
            {"POLPATH", ValueKind::PathText, &ConsoleSettings::polPath},
            {"UOPATH", ValueKind::PathText, &ConsoleSettings::uoPath},
            {"LASTSERVER", ValueKind::Text, &ConsoleSettings::lastServer},
            {"LASTIP", ValueKind::Text, &ConsoleSettings::lastIp},
            {"LASTACCOUNT", ValueKind::Text, &ConsoleSettings::lastAccount},
            {"LASTPASSWORD", ValueKind::Text, &ConsoleSettings::lastPassword},
            {"LASTPORT", ValueKind::Text, &ConsoleSettings::lastPort},
            {"LASTCLIENT", ValueKind::Text, &ConsoleSettings::lastClient},
        };
        const char* options[] = {"LOADSCRIPTS", "SENDENTER",   "AUTOSHOWLAUNCHER",
                                 "STAYONTOP",   "DRAWSTATICS", "USEKAJSCRIPTS"};
        static_assert(std::size(options) == kOptionCount);
        for (int i = 0; i < kOptionCount; ++i) {
            keys.push_back({options[i], ValueKind::Option, nullptr, i});
        }
        const char* positions[] = {"WINLEFT",  "WINTOP",  "MAPLEFT", "MAPTOP",
                                   "ITEMLEFT", "ITEMTOP", "NPCLEFT", "NPCTOP"};
        static_assert(std::size(positions) == kWindowPositionCount);
        for (int i = 0; i < kWindowPositionCount; ++i) {
            keys.push_back({positions[i], ValueKind::Position, nullptr, i});
        }
        keys.push_back({"SERVER", ValueKind::Servers});
        for (int slot = 0; slot < kUserCommandSlots; ++slot) {
            keys.push_back(
                {"USERCMD" + std::to_string(slot), ValueKind::UserCommand, nullptr, slot});
        }
        keys.push_back({"CLIENTKIND", ValueKind::ClientKind});
        keys.push_back({"CLIENTTITLE", ValueKind::Text, &ConsoleSettings::clientTitle});
        return keys;
    }();
    return table;
}

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
    const auto read = common::leadingDigits(digits, 10);
    if (read.length != digits.size()) {
        return 0;
    }
    const long long magnitude = static_cast<long long>(std::min<std::uint64_t>(read.value, 40000));
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

namespace {

void readValue(ConsoleSettings& settings, const IniKey& key, std::string value) {
    switch (key.kind) {
        case ValueKind::Text:
            settings.*key.text = std::move(value);
            break;
        case ValueKind::PathText:
            settings.*key.text = platform::pathTextFromFile(value);
            break;
        case ValueKind::Position:
            settings.positions[key.index] = parsePosition(value);
            break;
        case ValueKind::Option:
            settings.optionStates[key.index] = parseOptionState(value);
            break;
        case ValueKind::Servers:
            settings.addServer(std::move(value));
            break;
        case ValueKind::UserCommand:
            settings.ListUserCommands[key.index] = value.empty() ? kEmptyUserCommand : value;
            break;
        case ValueKind::ClientKind:
            settings.clientKind = clientKindNamed(value);
            break;
    }
}

void writeValues(const ConsoleSettings& settings, const IniKey& key,
                 std::vector<std::string>& lines) {
    const std::string start = key.name + "=";
    switch (key.kind) {
        case ValueKind::Text:
            lines.push_back(start + settings.*key.text);
            break;
        case ValueKind::PathText:
            lines.push_back(start + common::trimBlanks(settings.*key.text));
            break;
        case ValueKind::Position:
            lines.push_back(start + std::to_string(settings.positions[key.index]));
            break;
        case ValueKind::Option:
            lines.push_back(start + std::to_string(settings.optionStates[key.index]));
            break;
        case ValueKind::Servers:
            for (const auto& server : settings.ListServers) {
                lines.push_back(start + server);
            }
            break;
        case ValueKind::UserCommand:
            lines.push_back(start + settings.ListUserCommands[key.index]);
            break;
        case ValueKind::ClientKind:
            lines.push_back(start + clientKindName(settings.clientKind));
            break;
    }
}

}  // namespace

void applyIniLines(ConsoleSettings& settings, const std::vector<std::string>& lines) {
    settings.ListServers.clear();
    settings.ListShards.clear();
    for (const auto& line : lines) {
        const std::string upper = common::toUpperAscii(line);
        for (const auto& key : iniKeys()) {
            if (upper.starts_with(key.name) && upper.size() > key.name.size() &&
                upper[key.name.size()] == '=') {
                readValue(settings, key, common::ValueOf(line).value_or(""));
                break;
            }
        }
    }
}

std::vector<std::string> iniLines(const ConsoleSettings& settings) {
    std::vector<std::string> lines;
    for (const auto& key : iniKeys()) {
        writeValues(settings, key, lines);
    }
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
