#include "ClassicUOStart.h"

#include "AsciiCase.h"
#include "Cp1252.h"
#include "PathText.h"

namespace kaj::launcher {
namespace {

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string jsonText(std::string_view text) {
    return jsonString(platform::cp1252ToUtf8(text));
}

}  // namespace

bool isClassicUO(std::string_view clientPath) {
    const std::size_t slash = clientPath.find_last_of("\\/");
    const std::string_view name =
        slash == std::string_view::npos ? clientPath : clientPath.substr(slash + 1);
    for (const char* known :
         {"ClassicUO.exe", "ClassicUO", "ClassicUO.bin.x86_64", "ClassicUO.sh"}) {
        if (platform::equalsIgnoringAsciiCase(name, known)) {
            return true;
        }
    }
    return false;
}

std::string classicUOPassword(std::string_view password, std::string_view machine) {
    if (password.empty() || machine.empty()) {
        return std::string(password);
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "1-";
    for (std::size_t i = 0; i < password.size(); ++i) {
        const auto byte = static_cast<unsigned char>(password[i] ^ machine[i % machine.size()]);
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
    return out;
}

std::string classicUOSettings(const ShardFields& shard, const std::string& uoFolder,
                              std::string_view machine) {
    return "{\n  \"username\": " + jsonText(shard.account) +
           ",\n  \"password\": " + jsonText(classicUOPassword(shard.password, machine)) +
           ",\n  \"ip\": " + jsonText(shard.ip) + ",\n  \"port\": " + jsonText(shard.port) +
           ",\n  \"ultimaonlinedirectory\": " + jsonString(uoFolder) +
           ",\n  \"saveaccount\": true\n}\n";
}

std::filesystem::path classicUOSettingsFile(const std::filesystem::path& folder,
                                            const std::string& shardName) {
    std::string name;
    for (char c : shardName) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                           (c >= 'a' && c <= 'z') || c == '-' || c == '_';
        name.push_back(plain ? c : '_');
    }
    return folder / ("classicuo-" + (name.empty() ? std::string("shard") : name) + ".json");
}

std::vector<std::string> classicUOArguments(const std::filesystem::path& settingsFile,
                                            const ShardFields& shard, const std::string& uoFolder) {
    using platform::cp1252ToUtf8;
    return {"-settings", platform::textOfPath(settingsFile),
            "-ip",       cp1252ToUtf8(shard.ip),
            "-port",     cp1252ToUtf8(shard.port),
            "-username", cp1252ToUtf8(shard.account),
            "-uopath",   uoFolder};
}

std::optional<std::string> classicUORefusal(const ShardFields& shard, const std::string& uoFolder) {
    const std::pair<const char*, const std::string*> values[] = {{"IP", &shard.ip},
                                                                 {"Port", &shard.port},
                                                                 {"Account", &shard.account},
                                                                 {"Ultima Directory", &uoFolder}};
    for (const auto& [label, value] : values) {
        if (value->starts_with("-")) {
            return std::string("The ") + label +
                   " begins with \"-\", which ClassicUO would read as an option of its own: it "
                   "cannot be handed over on ClassicUO's command line.";
        }
    }
    return std::nullopt;
}

}  // namespace kaj::launcher
