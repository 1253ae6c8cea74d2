#include "ClientLaunch.h"

#include <filesystem>
#include <optional>

#include "ClassicUOStart.h"
#include "Cp1252.h"
#include "FileLookup.h"
#include "PathText.h"
#include "Processes.h"
#include "TextFile.h"
#include "TextRoutines.h"

namespace kaj::launcher {
namespace {

namespace fs = std::filesystem;

bool beginsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The Ultima Online directory with a separator at its end.
std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') {
        folder.push_back(static_cast<char>(fs::path::preferred_separator));
    }
    return folder;
}

// A file of the client's directory, its name in any letter case.
std::optional<fs::path> clientFile(const std::string& folder, const char* name) {
    // The folder as typed may use either separator; the files are named in the system's.
    return platform::findCaseInsensitive(
        folder.empty() ? fs::path(".") : platform::pathFromText(folder).make_preferred(), name,
        platform::EntryKind::File);
}

// The shard records hold Windows-1252 text.
fs::path recordPath(const std::string& text) {
    return platform::pathFromText(platform::cp1252ToUtf8(text));
}

// The client program the Client field names: an empty field or a file name
// shorter than two characters finds nothing; a relative path is taken from the
// working folder, never from PATH.
std::optional<fs::path> clientProgram(const std::string& client) {
    if (client.empty()) {
        return std::nullopt;
    }
    const fs::path path = recordPath(client);
    std::error_code error;
    std::optional<fs::path> found;
    if (fs::is_regular_file(path, error)) {
        found = path;
    } else if (path.has_filename()) {
        const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
        found = platform::findCaseInsensitive(folder, path.filename(), platform::EntryKind::File);
    }
    if (!found || platform::textOfPath(found->filename()).size() < 2) {
        return std::nullopt;
    }
    return fs::absolute(*found, error);
}

std::string writeFailure(const fs::path& file, const std::string& reason) {
    return platform::pathInMessage(file.filename()) + " could not be written to " +
           platform::pathInMessage(file) + " (" + reason + "). The client was not started.";
}

}  // namespace

std::string OSIEncrypt(std::string_view password) {
    std::string out;
    out.reserve(password.size());
    for (char c : password) {
        int value = static_cast<unsigned char>(c) + 13;
        if (value > 127) {
            value = value % 127 + 32;
        }
        out.push_back(static_cast<char>(value));
    }
    return out;
}

std::vector<std::string> loginCfgLines(const ShardFields& shard) {
    return {"; login.cfg file for " + shard.name, "LoginServer=" + shard.ip + "," + shard.port};
}

std::vector<std::string> uoCfgLines(const std::vector<std::string>& oldLines,
                                    const ShardFields& shard) {
    static constexpr std::string_view kLoginKeys[] = {"SavePassword", "AcctID", "AcctPassword",
                                                      "RememberAcctPW"};
    std::vector<std::string> lines;
    for (const auto& old : oldLines) {
        std::string line = common::trimBlanks(old);
        if (beginsWith(line, ";")) {
            line.clear();
        }
        line = line.substr(0, line.find(';'));
        if (line.empty()) {
            continue;
        }
        bool loginKey = false;
        for (auto key : kLoginKeys) {
            loginKey = loginKey || beginsWith(line, key);
        }
        if (!loginKey) {
            lines.push_back(std::move(line));
        }
    }
    lines.push_back("; UO.CFG created by Kaj");
    lines.push_back("SavePassword=on");
    lines.push_back("AcctID=" + shard.account);
    lines.push_back("AcctPassword=" + OSIEncrypt(shard.password));
    lines.push_back("RememberAcctPW=on");
    return lines;
}

namespace {

LaunchOutcome fail(std::string message) {
    return LaunchOutcome{false, {std::move(message)}, std::nullopt};
}

// A start through the shell: the client's process, or why it could not start.
LaunchOutcome startOutcome(bool started, const platform::Shell& shell) {
    if (!started) {
        const std::string reason = shell.lastFailure();
        return fail("The client could not be started" + (reason.empty() ? "" : ": " + reason) +
                    ".");
    }
    return {true, {}, shell.lastStartedProcess()};
}

LaunchOutcome launchClassicUO(const LaunchRequest& request, platform::Shell& shell) {
    const auto program = clientProgram(request.shard.client);
    if (!program) {
        return fail(kClientMissing);
    }
    const std::string uoFolder = withSeparator(request.uoFolder);
    if (auto refusal = classicUORefusal(request.shard, uoFolder)) {
        return fail(*refusal);
    }
    const auto settings = classicUOSettingsFile(
        fs::absolute(request.settingsFolder.empty() ? fs::path(".") : request.settingsFolder),
        request.shard.name);
    // It holds the password: owner-only whatever an earlier file allowed.
    if (const auto written = platform::writeFileReplacing(
            settings, classicUOSettings(request.shard, uoFolder, platform::machineName()),
            {.ownerOnly = true, .keepMode = false});
        !written.ok) {
        return fail(writeFailure(settings, written.error));
    }
    if (!request.start) {
        return {};
    }
    // Under XWayland, where typed keys reach it, rather than natively on Wayland.
    const std::vector<std::pair<std::string, std::string>> environment = {
        {"SDL_VIDEO_DRIVER", "x11"}, {"SDL_VIDEODRIVER", "x11"}};
    return startOutcome(shell.start(platform::textOfPath(*program),
                                    classicUOArguments(settings, request.shard, uoFolder),
                                    recordPath(common::GetPath(request.shard.client)), environment),
                        shell);
}

}  // namespace

LaunchOutcome launchClient(const LaunchRequest& request, platform::Shell& shell) {
    if (isClassicUO(request.shard.client)) {
        return launchClassicUO(request, shell);
    }
    const std::string folder = withSeparator(request.uoFolder);

    const auto loginCfg = clientFile(folder, "login.cfg");
    if (!loginCfg) {
        return fail(kLoginCfgMissing);
    }
    if (const auto written = platform::writeTextLines(*loginCfg, loginCfgLines(request.shard));
        !written.ok) {
        return fail(writeFailure(*loginCfg, written.error));
    }

    const auto uoCfg = clientFile(folder, "uo.cfg");
    const auto oldLines = uoCfg ? platform::readTextLines(*uoCfg) : std::nullopt;
    if (!oldLines) {
        return fail(kUoCfgMissing);
    }
    // It holds the account: a new file is the owner's alone, an old one keeps its mode.
    if (const auto written = platform::writeTextLines(*uoCfg, uoCfgLines(*oldLines, request.shard),
                                                      {.ownerOnly = true});
        !written.ok) {
        return fail(writeFailure(*uoCfg, written.error));
    }

    const auto program = clientProgram(request.shard.client);
    if (!program) {
        return fail(kClientMissing);
    }
    if (!request.start) {
        return {};
    }
    return startOutcome(shell.open(platform::textOfPath(*program),
                                   recordPath(common::GetPath(request.shard.client))),
                        shell);
}

}  // namespace kaj::launcher
